// SPDX-License-Identifier: MIT
#include "app/dialogs/BorrowDialog.h"
#include "game/GameState.h"
#include "tests/support/KeyboardFocus.h"
#include "tests/support/ModalDriver.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::TabTo;

namespace {
int Green(QRgb c) {
    return qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 100;
}
int Red(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}

int CountPixels(const QImage& image, const QRect& area, int (*test)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += test(image.pixel(x, y));
        }
    }
    return n;
}

int Dark(QRgb c) {
    return qGray(c) < 100;
}
} // namespace

class BorrowDialogTest : public QObject {
    Q_OBJECT
  private:
    GameState state_;
    std::vector<int> helpContexts_;

    std::unique_ptr<BorrowDialog> Dialog() {
        auto dialog = std::make_unique<BorrowDialog>(state_, [this](HelpContext context) {
            helpContexts_.push_back(static_cast<int>(context));
        });
        return dialog;
    }

  private slots:
    void init() {
        state_ = GameState();
        helpContexts_.clear();
    }

    // The player picks the mode and a chip by keyboard alone; the chips run
    // from the largest amount on the left to the smallest on the right, each
    // showing its picture, and Return then closes the dialog with OK.
    void keyboardMovesEveryChipsAmount_data() {
        QTest::addColumn<int>("fromLeft");
        QTest::addColumn<bool>("payBack");
        QTest::addColumn<double>("amount");
        const double amounts[] = {1000, 100, 10, 1, 0.10, 0.01};
        for (int chip = 0; chip < 6; ++chip) {
            QTest::newRow("borrow " + QByteArray::number(amounts[chip]))
                << chip << false << amounts[chip];
        }
        QTest::newRow("pay back 1000") << 0 << true << 1000.0;
        QTest::newRow("pay back 0.01") << 5 << true << 0.01;
    }
    void keyboardMovesEveryChipsAmount() {
        QFETCH(int, fromLeft);
        QFETCH(bool, payBack);
        QFETCH(double, amount);
        auto dialog = Dialog();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        if (payBack) {
            QVERIFY(TabTo(*dialog, *dialog->BorrowMode));
            QTest::keyClick(dialog->BorrowMode, Qt::Key_Right);
        }
        QList<QPushButton*> chips(dialog->ChipButtons.begin(), dialog->ChipButtons.end());
        std::sort(chips.begin(), chips.end(),
                  [](const QPushButton* a, const QPushButton* b) { return a->x() < b->x(); });
        QPushButton* chip = chips[fromLeft];
        QVERIFY(!chip->icon().isNull());
        QVERIFY(TabTo(*dialog, *chip));
        ModalDriver driver;
        QTest::keyClick(chip, Qt::Key_Space);
        QCOMPARE(driver.windows.size(), 0);
        const double moved = payBack ? -amount : amount;
        QCOMPARE(state_.Credits, 1000 + moved);
        QCOMPARE(state_.Borrowed, 1000 + moved);
        QTest::keyClick(chip, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(state_.Credits, 1000 + moved);
    }

    void chipButtonsMoveMoney_data() {
        QTest::addColumn<int>("chip");
        QTest::addColumn<bool>("payBack");
        QTest::addColumn<double>("credits");
        QTest::addColumn<double>("borrowed");
        QTest::addColumn<QString>("message");
        // What a screen reader reads: the chip, following the mode, and the
        // credits total after the click.
        QTest::addColumn<QString>("chipName");
        QTest::addColumn<QString>("creditsRead");
        QTest::newRow("borrow 1000") << 0 << false << 2000.0 << 2000.0 << ""
                                     << "Borrow 1000 credits"
                                     << "Credits: $2,000.00";
        QTest::newRow("borrow 1 cent") << 5 << false << 1000.01 << 1000.01 << ""
                                       << "Borrow 1 cent"
                                       << "Credits: $1,000.01";
        QTest::newRow("pay back 100") << 1 << true << 900.0 << 900.0 << ""
                                      << "Pay back 100 credits"
                                      << "Credits: $900.00";
        QTest::newRow("pay back 10 cents") << 4 << true << 999.9 << 999.9 << ""
                                           << "Pay back 10 cents"
                                           << "Credits: $999.90";
    }
    void chipButtonsMoveMoney() {
        QFETCH(int, chip);
        QFETCH(bool, payBack);
        QFETCH(double, credits);
        QFETCH(double, borrowed);
        QFETCH(QString, chipName);
        QFETCH(QString, creditsRead);
        auto dialog = Dialog();
        if (payBack) {
            dialog->PayBackMode->setChecked(true);
        }
        QCOMPARE(dialog->ChipButtons[chip]->accessibleName(), chipName);
        ModalDriver driver;
        dialog->ChipButtons[chip]->click();
        QVERIFY(driver.windows.isEmpty());
        QCOMPARE(state_.Credits, credits);
        QCOMPARE(state_.Borrowed, borrowed);
        QCOMPARE(dialog->CreditsReading->accessibleName(), creditsRead);
        QCOMPARE(
            dialog->BorrowedReading->accessibleName(),
            QString(creditsRead).replace(QStringLiteral("Credits"), QStringLiteral("Borrowed")));
    }

    void refusalShowsInformationBox_data() {
        QTest::addColumn<double>("credits");
        QTest::addColumn<double>("borrowed");
        QTest::addColumn<int>("chip");
        QTest::addColumn<QString>("message");
        QTest::newRow("short credits") << 500.0 << 100.0 << 0 << "You do not have 1000 credits!";
        QTest::newRow("short debt")
            << 500.0 << 0.0 << 1 << "You cannot pay back more credits than you have borrowed!";
        QTest::newRow("short of a cent") << 0.0 << 1.0 << 5 << "You do not have 0.01 credits!";
    }
    void refusalShowsInformationBox() {
        QFETCH(double, credits);
        QFETCH(double, borrowed);
        QFETCH(int, chip);
        QFETCH(QString, message);
        state_.Credits = credits;
        state_.Borrowed = borrowed;
        auto dialog = Dialog();
        dialog->PayBackMode->setChecked(true);
        ModalDriver driver;
        dialog->ChipButtons[chip]->click();
        QCOMPARE(driver.windows.size(), 1);
        QCOMPARE(driver.windows[0].caption, "Information");
        QCOMPARE(driver.windows[0].icon, QMessageBox::Information);
        QCOMPARE(driver.windows[0].text, message);
        QCOMPARE(state_.Credits, credits);
        QCOMPARE(state_.Borrowed, borrowed);
    }

    void helpButtonShowsTheHelpText() {
        auto dialog = Dialog();
        ModalDriver driver;
        dialog->HelpButton->click();
        QCOMPARE(driver.windows.size(), 1);
        QCOMPARE(driver.windows[0].caption, "Information");
        QCOMPARE(driver.windows[0].text,
                 "Use this screen to borrow credits or pay back credits that you borrowed "
                 "previously.  Click on the button representing the amount to borrow (or pay "
                 "back).\n\nTo switch between \"borrow\" and \"pay back\" select the mode.");
    }

    void f1OpensItsHelpTopic() {
        auto dialog = Dialog();
        dialog->show();
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        QCOMPARE(helpContexts_, std::vector<int>{41005});
    }

    void totalsInLedDigits() {
        state_.Credits = 1000.0;
        state_.Borrowed = 1000.0;
        auto dialog = Dialog();
        const QImage image = dialog->grab().toImage();
        const int w = dialog->width();
        // Credits, green, right to left: last glyph (a 0) at w - 30, the point
        // 4 pixels left of the first decimal, spaces as black cells far left.
        QVERIFY(CountPixels(image, QRect(w - 30, 40, 15, 20), Green) > 10);
        QCOMPARE(CountPixels(image, QRect(w - 30, 40, 15, 20), Red), 0);
        QVERIFY(CountPixels(image, QRect(w - 30 - 15 - 4 - 15 * 3, 40, 15, 20), Green) > 10);
        const QRect creditSpace(w - 30 - 15 - 4 - 15 * 6, 40, 15, 20);
        QCOMPARE(CountPixels(image, creditSpace, Dark), 15 * 20);
        // Borrowed, red, left to right from x 20: three spaces, then 1000.
        QCOMPARE(CountPixels(image, QRect(20, 40, 45, 20), Dark), 45 * 20);
        QVERIFY(CountPixels(image, QRect(65, 40, 15, 20), Red) > 5);
        QVERIFY(CountPixels(image, QRect(80, 40, 15, 20), Red) > 10);
        QCOMPARE(CountPixels(image, QRect(20, 40, 200, 20), Green), 0);
        // Labels above: "Borrowed:" from x 20, "Credits:" ending near w - 14.
        QVERIFY(CountPixels(image, QRect(20, 20, 40, 18), Dark) > 10);
        QVERIFY(CountPixels(image, QRect(w - 40, 20, 26, 18), Dark) > 10);
        QCOMPARE(CountPixels(image, QRect(w - 12, 20, 12, 18), Dark), 0);
    }

    void totalsFollowEveryClick() {
        auto dialog = Dialog();
        const QImage before = dialog->grab().toImage();
        dialog->ChipButtons[3]->click();
        const QImage after = dialog->grab().toImage();
        QVERIFY(before.copy(20, 40, 200, 20) != after.copy(20, 40, 200, 20));
        QVERIFY(before.copy(382, 40, 200, 20) != after.copy(382, 40, 200, 20));
    }
};

QTEST_MAIN(BorrowDialogTest)
#include "BorrowDialogTest.moc"
