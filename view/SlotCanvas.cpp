// SPDX-License-Identifier: MIT
#include "view/SlotCanvas.h"

#include "game/Reels.h"
#include "view/DrawnIconEngine.h"
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

int Physical(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
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
                               Pictures::BetOneGlyph);
    betTwoButton_ = MakeButton(QStringLiteral("Bet 2"), QStringLiteral("Bet two credits"),
                               Pictures::BetTwoGlyph);
    spinButton_ = MakeButton(QStringLiteral("Spin"), QStringLiteral("Spin the slot wheels"),
                             Pictures::SpinGlyph);
    spinButton_->setDefault(true);
    reelFrameTimer_.setSingleShot(true);
    reelFrameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&reelFrameTimer_, &QTimer::timeout, this, &SlotCanvas::ShowPendingReels);
    // Where the design size puts them, until the first layout pass.
    resize(kDesignWidth, kDesignHeight);
    PlaceButtons();
}

QPushButton* SlotCanvas::MakeButton(const QString& caption, const QString& hint,
                                    const QImage& (*glyph)(qreal)) {
    auto* button = new QPushButton(caption, this);
    button->setToolTip(hint);
    // The glyph is drawn for the pixels it is shown at; PlaceButtons gives
    // the caption and the glyph their sizes.
    button->setIcon(
        DrawnIconEngine::Icon(glyph(1).size(), [glyph](qreal ratio) { return glyph(ratio); }));
    return button;
}

QColor SlotCanvas::Background() const {
    return palette().color(QPalette::Button);
}

bool SlotCanvas::EnsureCanvas() {
    const qreal ratio = CanvasRatio();
    const QSize physical(Physical(canvasArea_.width(), ratio),
                         Physical(canvasArea_.height(), ratio));
    if (!canvas_.isNull() && canvas_.size() == physical && canvas_.devicePixelRatio() == ratio) {
        return false;
    }
    canvas_ = QImage(physical, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
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
    if (event->type() == QEvent::ScreenChangeInternal && ScreenRatio() != ratio_) {
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
    if (ScreenRatio() != ratio_ && !ratioCheckQueued_) {
        // The scale changed under the window: redo the layout pass once the
        // paint is over, and show the old canvas until then.
        ratioCheckQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                ratioCheckQueued_ = false;
                if (ScreenRatio() != ratio_) {
                    LayOut();
                }
            },
            Qt::QueuedConnection);
    }
    const bool reels = unsettledReels_.has_value() && ReelsDrawable();
    QRegion fromCanvas = event->region();
    if (reels) {
        for (int reel = 0; reel < 3; ++reel) {
            fromCanvas -= WhollyOnScreen(ReelShown(reel));
        }
    }
    // Work in physical pixels: every copy below is one to one.
    const qreal ratio = ratio_;
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect canvasOnScreen(canvasOrigin_, canvas_.size());
    for (const QRect& logical : fromCanvas) {
        const QRect device(QPoint(static_cast<int>(std::floor(logical.x() * ratio)),
                                  static_cast<int>(std::floor(logical.y() * ratio))),
                           QPoint(static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1,
                                  static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1));
        const QRect fromImage = device.intersected(canvasOnScreen);
        if (!fromImage.isEmpty()) {
            painter.drawImage(QRectF(fromImage), canvas_,
                              QRectF(fromImage.translated(-canvasOrigin_)));
        }
        if (fromImage != device) {
            // Around a scaled composition.
            for (const QRect& around : QRegion(device) - QRegion(fromImage)) {
                painter.fillRect(around, Background());
            }
        }
    }
    if (reels) {
        PaintReels(painter);
    }
}

void SlotCanvas::LayOut() {
    ratio_ = ScreenRatio();
    layout_.Choose(width());
    ChooseScale();
    const bool newCanvas = EnsureCanvas();
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
    offset_ = layout_.Offset(canvasArea_);
    reelLeft_ =
        layout_.LayoutReelLeft(ViewLayout::OuterWidth(layout_.ComposedSize(canvasArea_).width()));
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
    ChooseScale();
    EnsureCanvas();
    unsettledReels_.reset();
    offset_ = layout_.Offset(canvasArea_);
    const int outerWidth = ViewLayout::OuterWidth(layout_.ComposedSize(canvasArea_).width());
    reelLeft_ = layout_.PaintReelLeft(outerWidth);
    const QRect panel = layout_.Panel(reelLeft_);
    {
        QPainter painter(&canvas_);
        painter.fillRect(QRect(QPoint(0, 0), canvasArea_), Background());
        painter.translate(offset_);
        painter.fillRect(panel, kCyan);
        DrawBevel(painter, panel);
        // Into their 16 x 31 places: drawn for a fractional ratio, a picture
        // is up to a physical pixel larger and would cover the outline.
        const QRect arrow(0, 0, 16, 31);
        Pictures::Blit(painter, layout_.LeftArrow(reelLeft_),
                       Pictures::LeftPaylineArrow(CanvasRatio()), arrow);
        Pictures::Blit(painter, layout_.RightArrow(reelLeft_),
                       Pictures::RightPaylineArrow(CanvasRatio()), arrow);
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
    update(OnScreen(QRect(layout_.PaylineLeft(reelLeft_), layout_.PaylineY(),
                          layout_.PaylineRight(reelLeft_) - layout_.PaylineLeft(reelLeft_) + 1, 1)
                        .translated(offset_)));
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
        update(
            OnScreen(PayRowGeometry::For(layout_.Values(), row, column).box.translated(offset_)));
    }
}

void SlotCanvas::ShowCredits(double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowCredits(painter, layout_.Values(), amount, Background());
    update(OnScreen(QRect(0, offset_.y(), canvasArea_.width(), kMeterStrip)));
}

void SlotCanvas::ShowWinnings(bool visible, double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowWinnings(painter, layout_.Values(), reelLeft_, visible, amount, Background());
    update(OnScreen(QRect(0, offset_.y(), canvasArea_.width(), kMeterStrip)));
}

} // namespace kelvory
