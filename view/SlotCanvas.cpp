// SPDX-License-Identifier: MIT
#include "view/SlotCanvas.h"

#include "game/Reels.h"
#include "view/Fonts.h"
#include "view/MeterPainter.h"
#include "view/PayRowGeometry.h"
#include "view/PayTablePainter.h"
#include "view/Pictures.h"
#include "view/ReelRenderer.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kelvory {

namespace {
const QColor kCyan(0, 255, 255);
// 96 dots per inch, so that point sizes give the same pixels on every screen.
constexpr int kDotsPerMeter = 3780;
// Height of the strip along the top that holds both meters.
constexpr int kMeterStrip = 32;

// A glyph in logical pixels and at twice the pixels, for HiDPI screens.
QIcon GlyphIcon(const QImage& (*glyph)(qreal)) {
    QIcon icon(QPixmap::fromImage(glyph(1)));
    icon.addPixmap(QPixmap::fromImage(glyph(2)));
    return icon;
}

void Line(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    painter.fillRect(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                           QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))),
                     colour);
}
} // namespace

SlotCanvas::SlotCanvas(const GameState& state, const std::string& programDir, QWidget* parent)
    : QWidget(parent), state_(state), programDir_(programDir) {
    if (!programDir_.ends_with('/')) {
        programDir_ += '/';
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    betOneButton_ = MakeButton(QStringLiteral("Bet 1"), QStringLiteral("Bet one credit"),
                               GlyphIcon(Pictures::BetOneGlyph), Pictures::BetOneGlyph().size());
    betTwoButton_ = MakeButton(QStringLiteral("Bet 2"), QStringLiteral("Bet two credits"),
                               GlyphIcon(Pictures::BetTwoGlyph), Pictures::BetTwoGlyph().size());
    spinButton_ = MakeButton(QStringLiteral("Spin"), QStringLiteral("Spin the slot wheels"),
                             GlyphIcon(Pictures::SpinGlyph), Pictures::SpinGlyph().size());
    spinButton_->setDefault(true);
    // Where the design size puts them, until the first layout pass.
    resize(kDesignWidth, kDesignHeight);
    PlaceButtons();
}

QPushButton* SlotCanvas::MakeButton(const QString& caption, const QString& hint, const QIcon& glyph,
                                    QSize glyphSize) {
    auto* button = new QPushButton(caption, this);
    button->setToolTip(hint);
    button->setFont(Fonts::Button(13));
    button->setIcon(glyph);
    button->setIconSize(glyphSize);
    return button;
}

QRect SlotCanvas::DeviceRect(const QRect& logical) const {
    if (ratio_ == 1.0) {
        return logical;
    }
    const int left = qRound(logical.x() * ratio_);
    const int top = qRound(logical.y() * ratio_);
    const int right = qRound((logical.x() + logical.width()) * ratio_);
    const int bottom = qRound((logical.y() + logical.height()) * ratio_);
    return {left, top, right - left, bottom - top};
}

QColor SlotCanvas::Background() const {
    return palette().color(QPalette::Button);
}

bool SlotCanvas::EnsureCanvas() {
    if (!canvas_.isNull() && canvasSize_ == size() && canvas_.devicePixelRatio() == ratio_) {
        return false;
    }
    canvasSize_ = size();
    canvas_ = QImage(static_cast<int>(std::ceil(width() * ratio_ - 1e-6)),
                     static_cast<int>(std::ceil(height() * ratio_ - 1e-6)), QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio_);
    canvas_.setDotsPerMeterX(kDotsPerMeter);
    canvas_.setDotsPerMeterY(kDotsPerMeter);
    canvas_.fill(Background());
    unsettledReels_.reset();
    reelsOnScreen_.reset();
    return true;
}

void SlotCanvas::resizeEvent(QResizeEvent*) {
    LayOut();
}

bool SlotCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != ratio_) {
        // Moved to a screen of another scale: lay out and draw for it.
        LayOut();
    }
    return QWidget::event(event);
}

void SlotCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (canvas_.isNull()) {
        painter.fillRect(event->rect(), Background());
        return;
    }
    if (devicePixelRatioF() != ratio_ && !ratioCheckQueued_) {
        // The scale changed under the window: redo the layout pass once the
        // paint is over, and show the old canvas until then.
        ratioCheckQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                ratioCheckQueued_ = false;
                if (devicePixelRatioF() != ratio_) {
                    LayOut();
                }
            },
            Qt::QueuedConnection);
    }
    const bool reels = unsettledReels_.has_value() && ReelsDrawable();
    QRegion fromCanvas = event->region();
    if (reels) {
        for (int reel = 0; reel < 3; ++reel) {
            fromCanvas -= ReelShown(reel);
        }
    }
    // Work in physical pixels: every copy below is one to one.
    const qreal ratio = canvas_.devicePixelRatio();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (const QRect& logical : fromCanvas) {
        const QRect device(QPoint(static_cast<int>(std::floor(logical.x() * ratio)),
                                  static_cast<int>(std::floor(logical.y() * ratio))),
                           QPoint(static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1,
                                  static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1));
        painter.drawImage(QRectF(device), canvas_, QRectF(device));
    }
    if (reels) {
        PaintReels(painter);
    }
}

void SlotCanvas::PlaceButtons() {
    spinButton_->resize(layout_.ButtonWidth(), ViewLayout::kButtonHeight);
    betOneButton_->resize(spinButton_->width(), ViewLayout::kButtonHeight);
    betTwoButton_->resize(spinButton_->width(), ViewLayout::kButtonHeight);
    const ViewLayout::ButtonRow row = layout_.PlacedButtons(size());
    spinButton_->move(row.spinLeft, row.top);
    betOneButton_->move(row.betOneLeft, row.top);
    betTwoButton_->move(row.betTwoLeft, row.top);
}

void SlotCanvas::LayOut() {
    ratio_ = devicePixelRatioF();
    const bool newCanvas = EnsureCanvas();
    layout_.Choose(width());
    // Placed before the artwork is read, so that a failed read still leaves
    // them on screen, clear of each other and of the panel.
    PlaceButtons();
    if (!LoadArtwork()) {
        // The pass ends here; a canvas of a new size still needs its first paint.
        if (newCanvas) {
            RepaintAll();
        }
        return;
    }
    const int deviceCell = DeviceCellSize();
    for (QImage& image : reelImages_) {
        image = QImage(deviceCell, 3 * deviceCell, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    offset_ = layout_.Offset(size());
    reelLeft_ =
        layout_.LayoutReelLeft(ViewLayout::OuterWidth(layout_.ComposedSize(size()).width()));
    RepaintAll();
}

QRect SlotCanvas::ReelShown(int reel) const {
    return {layout_.ReelOrigin(reelLeft_, reel) + offset_, layout_.ReelShown()};
}

QRect SlotCanvas::ReelPayline(int reel) const {
    const QRect shown = DeviceRect(ReelShown(reel));
    const QRect line = DeviceRect(
        QRect(ReelShown(reel).x(), layout_.PaylineY() + offset_.y(), layout_.CellSize() - 1, 1));
    return line.translated(-shown.topLeft());
}

void SlotCanvas::ReportErrorLater(const QString& message) {
    // Several failed passes before the box comes up (a maximise may resize
    // twice) report once, with the last message.
    const bool queued = !pendingError_.isEmpty();
    pendingError_ = message;
    if (queued) {
        return;
    }
    QMetaObject::invokeMethod(
        this, [this] { emit artworkFailed(std::exchange(pendingError_, QString())); },
        Qt::QueuedConnection);
}

const QImage& SlotCanvas::Canvas() const {
    SettleReels();
    return canvas_;
}

const QImage& SlotCanvas::ReelImage(int reel) const {
    SettleReels();
    return reelImages_[static_cast<std::size_t>(reel)];
}

void SlotCanvas::RepaintAll() {
    EnsureCanvas();
    unsettledReels_.reset();
    offset_ = layout_.Offset(canvasSize_);
    const int outerWidth = ViewLayout::OuterWidth(layout_.ComposedSize(canvasSize_).width());
    reelLeft_ = layout_.PaintReelLeft(outerWidth);
    const QRect panel = layout_.Panel(reelLeft_);
    {
        QPainter painter(&canvas_);
        painter.fillRect(QRect(QPoint(0, 0), canvasSize_), Background());
        painter.translate(offset_);
        painter.fillRect(panel, kCyan);
        DrawBevel(painter, panel);
        painter.drawImage(layout_.LeftArrow(reelLeft_), Pictures::LeftPaylineArrow(ratio_));
        painter.drawImage(layout_.RightArrow(reelLeft_), Pictures::RightPaylineArrow(ratio_));
    }
    for (int reel = 0; reel < 3; ++reel) {
        DrawReelImage(reel, state_.ReelStops[static_cast<std::size_t>(reel)]);
        CopyReel(reel);
    }
    reelsOnScreen_ = state_.ReelStops;
    {
        QPainter painter(&canvas_);
        painter.translate(offset_);
        PayTablePainter::DrawHeadings(painter, layout_.Values());
        PayTablePainter::DrawAllRows(painter, state_, layout_.Values());
        DrawPaylineOn(painter);
        MeterPainter::ShowCredits(painter, layout_.Values(), state_.Credits, Background());
    }
    update();
}

void SlotCanvas::DrawBevel(QPainter& painter, const QRect& panel) const {
    const int left = panel.x();
    const int top = panel.y();
    const int right = panel.x() + panel.width();   // exclusive
    const int bottom = panel.y() + panel.height(); // exclusive
    const QColor black(0, 0, 0);
    Line(painter, {left - 1, top - 1}, {right, top - 1}, black);
    Line(painter, {left - 1, bottom}, {right, bottom}, black);
    Line(painter, {left - 1, top - 1}, {left - 1, bottom}, black);
    Line(painter, {right, top - 1}, {right, bottom}, black);
    const QColor light = palette().color(QPalette::Light);
    Line(painter, {right + 5, top - 4}, {right + 5, bottom + 2}, light);
    Line(painter, {right + 4, bottom + 5}, {left - 2, bottom + 5}, light);
    const QColor shadow = palette().color(QPalette::Dark);
    Line(painter, {left - 5, top - 4}, {left - 5, bottom + 2}, shadow);
    Line(painter, {left - 4, top - 5}, {right + 2, top - 5}, shadow);
}

void SlotCanvas::DrawPaylineOn(QPainter& painter) const {
    const int y = layout_.PaylineY();
    Line(painter, {layout_.PaylineLeft(reelLeft_), y}, {layout_.PaylineRight(reelLeft_), y},
         QColor(kPaylineRed));
}

void SlotCanvas::DrawPayline() {
    if (canvas_.isNull()) {
        return;
    }
    SettleReels();
    QPainter painter(&canvas_);
    painter.translate(offset_);
    DrawPaylineOn(painter);
    update(QRect(layout_.PaylineLeft(reelLeft_), layout_.PaylineY(),
                 layout_.PaylineRight(reelLeft_) - layout_.PaylineLeft(reelLeft_) + 1, 1)
               .translated(offset_));
}

void SlotCanvas::DrawPayRow(int row, bool lit, int column) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    PayTablePainter::DrawPayRow(painter, state_, layout_.Values(), row, lit, column);
    painter.end();
    if (row >= 0 && row <= 7 && column >= 0 && column <= 1) {
        update(PayRowGeometry::For(layout_.Values(), row, column).box.translated(offset_));
    }
}

void SlotCanvas::ShowCredits(double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowCredits(painter, layout_.Values(), amount, Background());
    update(QRect(0, offset_.y(), width(), kMeterStrip));
}

void SlotCanvas::ShowWinnings(bool visible, double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowWinnings(painter, layout_.Values(), reelLeft_, visible, amount, Background());
    update(QRect(0, offset_.y(), width(), kMeterStrip));
}

} // namespace kelvory
