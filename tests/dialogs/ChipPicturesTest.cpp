// SPDX-License-Identifier: MIT
// The borrow dialog's chips and glyphs on a scaled screen: drawn for the
// physical pixels, not a small bitmap blown up.
#include "app/dialogs/ChipPictures.h"
#include "app/dialogs/BorrowDialog.h"
#include "game/GameState.h"

#include <QPushButton>
#include <QTest>

using namespace kelvory;

namespace {
QImage Physical(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

class ChipPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonsShowPicturesDrawnForTheirPixels_data();
    void buttonsShowPicturesDrawnForTheirPixels();
};

void ChipPicturesTest::buttonsShowPicturesDrawnForTheirPixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("scale 1.5") << 1.5;
    QTest::newRow("scale 2") << 2.0;
}

void ChipPicturesTest::buttonsShowPicturesDrawnForTheirPixels() {
    QFETCH(qreal, ratio);
    GameState state;
    BorrowDialog dialog(state, [](HelpContext) {});
    for (int chip = 0; chip < 6; ++chip) {
        const QPushButton* button = dialog.ChipButtons[static_cast<std::size_t>(chip)];
        const QPixmap shown = button->icon().pixmap(button->iconSize(), ratio);
        QCOMPARE(Physical(shown.toImage()), Physical(ChipPictures::Chip(chip, ratio)));
    }
    const QPixmap help = dialog.HelpButton->icon().pixmap(QSize(20, 20), ratio);
    QCOMPARE(help.size(), QSize(20, 20) * ratio);
    QCOMPARE(Physical(help.toImage()),
             Physical(ChipPictures::HelpGlyph().pixmap(QSize(20, 20) * ratio, 1).toImage()));
}

QTEST_MAIN(ChipPicturesTest)
#include "ChipPicturesTest.moc"
