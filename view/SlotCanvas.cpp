#include "SlotCanvas.h"

#include "ErrorBox.h"
#include "MeterPainter.h"
#include "PayRowGeometry.h"
#include "PayTablePainter.h"
#include "Pictures.h"
#include "ReelRenderer.h"
#include "Reels.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace kelvory {

namespace {
const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);
// 96 dots per inch, so that point sizes give the same pixels on every screen.
constexpr int kDotsPerMeter = 3780;
// Height of the strip along the top that holds both meters.
constexpr int kMeterStrip = 32;

void Line(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    painter.fillRect(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                           QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))),
                     colour);
}
} // namespace

SlotCanvas::SlotCanvas(GameState& state, const QString& programDir, QWidget* parent)
    : QWidget(parent), state_(state), programDir_(programDir) {
    if (!programDir_.endsWith(QLatin1Char('/'))) {
        programDir_ += QLatin1Char('/');
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    BitBtn1 = MakeButton(QStringLiteral("Bet 1"), QStringLiteral("Bet one credit"),
                         Pictures::BetOneGlyph());
    BitBtn2 = MakeButton(QStringLiteral("Bet 2"), QStringLiteral("Bet two credits"),
                         Pictures::BetTwoGlyph());
    Button1 = MakeButton(QStringLiteral("Spin"), QStringLiteral("Spin the slot wheels"),
                         Pictures::SpinGlyph());
    Button1->setDefault(true);
    // Where the design size puts them, until the first layout pass.
    resize(kDesignWidth, kDesignHeight);
    PlaceButtons();
}

QPushButton* SlotCanvas::MakeButton(const QString& caption, const QString& hint,
                                    const QImage& glyph) {
    auto* button = new QPushButton(caption, this);
    button->setToolTip(hint);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    button->setFont(font);
    button->setIcon(QIcon(QPixmap::fromImage(glyph)));
    button->setIconSize(glyph.size());
    return button;
}

QString SlotCanvas::ArtworkPath() const {
    return programDir_ + QLatin1String(layout_.Spec().artworkFile);
}

QColor SlotCanvas::Background() const {
    return palette().color(QPalette::Button);
}

bool SlotCanvas::EnsureCanvas() {
    if (canvas_.size() == size()) {
        return false;
    }
    canvas_ = QImage(size(), QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(kDotsPerMeter);
    canvas_.setDotsPerMeterY(kDotsPerMeter);
    canvas_.fill(Background());
    return true;
}

void SlotCanvas::resizeEvent(QResizeEvent*) {
    FormResize();
}

void SlotCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (canvas_.isNull()) {
        painter.fillRect(event->rect(), Background());
        return;
    }
    painter.drawImage(event->rect(), canvas_, event->rect());
}

void SlotCanvas::PlaceButtons() {
    Button1->resize(layout_.ButtonWidth(), ViewLayout::kButtonHeight);
    BitBtn1->resize(Button1->width(), ViewLayout::kButtonHeight);
    BitBtn2->resize(Button1->width(), ViewLayout::kButtonHeight);
    const ViewLayout::ButtonRow row = layout_.PlacedButtons(size());
    Button1->move(row.spinLeft, row.top);
    BitBtn1->move(row.bet1Left, row.top);
    BitBtn2->move(row.bet2Left, row.top);
}

void SlotCanvas::FormResize() {
    const bool newCanvas = EnsureCanvas();
    layout_.Choose(width());
    // Placed before the artwork is read, so that a failed read still leaves
    // them on screen, clear of each other and of the panel.
    PlaceButtons();
    if (!LoadArtwork()) {
        // The pass ends here; a canvas of a new size still needs its first paint.
        if (newCanvas) {
            FormPaint();
        }
        return;
    }
    const int cellSize = layout_.CellSize();
    for (QImage& image : reelImages_) {
        image = QImage(cellSize, 3 * cellSize, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    offset_ = layout_.Offset(size());
    reelLeft_ =
        layout_.LayoutReelLeft(ViewLayout::OuterWidth(layout_.ComposedSize(size()).width()));
    FormPaint();
}

bool SlotCanvas::LoadArtwork() {
    for (QImage& image : reelImages_) {
        image = QImage();
    }
    symbolSheet_ = QImage();
    const QString path = ArtworkPath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowErrorLater(QStringLiteral("Cannot open file ") + path);
        return false;
    }
    QImage sheet;
    if (!sheet.loadFromData(file.readAll(), "BMP")) {
        ShowErrorLater(QStringLiteral("Bitmap image is not valid"));
        return false;
    }
    symbolSheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    Reels::EvaluateWindow(state_);
    return true;
}

void SlotCanvas::ShowErrorLater(const QString& message) {
    // Several failed passes before the box comes up (a maximise may resize
    // twice) report once, with the last message.
    const bool queued = !pendingError_.isEmpty();
    pendingError_ = message;
    if (queued) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QString text = std::exchange(pendingError_, QString());
            ErrorBox::Show(this, text);
        },
        Qt::QueuedConnection);
}

void SlotCanvas::DrawReel(int reel, int position) {
    if (reel < 0 || reel > 2) {
        return;
    }
    ReelRenderer::DrawReel(reelImages_[static_cast<std::size_t>(reel)], symbolSheet_,
                           layout_.CellSize(), Reels::kStrips[static_cast<std::size_t>(reel)],
                           position);
}

void SlotCanvas::CopyReel(int reel) {
    ReelRenderer::CopyPixels(canvas_, layout_.ReelOrigin(reelLeft_, reel) + offset_,
                             reelImages_[static_cast<std::size_t>(reel)],
                             QRect(QPoint(0, 0), layout_.ReelShown()));
}

QRect SlotCanvas::ReelArea() const {
    const QPoint origin = layout_.ReelOrigin(reelLeft_, 0) + offset_;
    const int cellSize = layout_.CellSize();
    return {origin, QSize(3 * cellSize + 2 * ViewLayout::kReelGap, 3 * cellSize)};
}

void SlotCanvas::FormPaint() {
    EnsureCanvas();
    offset_ = layout_.Offset(canvas_.size());
    const int outerWidth = ViewLayout::OuterWidth(layout_.ComposedSize(canvas_.size()).width());
    reelLeft_ = layout_.PaintReelLeft(outerWidth);
    const QRect panel = layout_.Panel(reelLeft_);
    {
        QPainter painter(&canvas_);
        painter.fillRect(canvas_.rect(), Background());
        painter.translate(offset_);
        painter.fillRect(panel, kCyan);
        DrawBevel(painter, panel);
        painter.drawImage(layout_.LeftArrow(reelLeft_), Pictures::larrow());
        painter.drawImage(layout_.RightArrow(reelLeft_), Pictures::rarrow());
    }
    for (int reel = 0; reel < 3; ++reel) {
        DrawReel(reel, state_.ReelStops[static_cast<std::size_t>(reel)]);
        CopyReel(reel);
    }
    {
        QPainter painter(&canvas_);
        painter.translate(offset_);
        PayTablePainter::DrawHeadings(painter, layout_.Spec());
        PayTablePainter::DrawAllRows(painter, state_, layout_.Spec());
        DrawPaylineOn(painter);
        MeterPainter::ShowCredits(painter, layout_.Spec(), state_.Credits, Background());
    }
    update();
}

void SlotCanvas::RepaintAll() {
    FormPaint();
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
    Line(painter, {layout_.PaylineLeft(reelLeft_), y}, {layout_.PaylineRight(reelLeft_), y}, kRed);
}

void SlotCanvas::DrawPayline() {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    DrawPaylineOn(painter);
    update(QRect(layout_.PaylineLeft(reelLeft_), layout_.PaylineY(),
                 layout_.PaylineRight(reelLeft_) - layout_.PaylineLeft(reelLeft_) + 1, 1)
               .translated(offset_));
}

void SlotCanvas::DrawReels(const std::array<int, 3>& positions) {
    if (canvas_.isNull()) {
        return;
    }
    for (int reel = 0; reel < 3; ++reel) {
        DrawReel(reel, positions[static_cast<std::size_t>(reel)]);
        CopyReel(reel);
    }
    update(ReelArea());
}

void SlotCanvas::DrawPayRow(int row, bool lit, int column) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    PayTablePainter::DrawPayRow(painter, state_, layout_.Spec(), row, lit, column);
    painter.end();
    if (row >= 0 && row <= 7 && column >= 0 && column <= 1) {
        update(PayRowGeometry::For(layout_.Spec(), row, column).box.translated(offset_));
    }
}

void SlotCanvas::ShowCredits(double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowCredits(painter, layout_.Spec(), amount, Background());
    update(QRect(0, offset_.y(), width(), kMeterStrip));
}

void SlotCanvas::ShowWinnings(bool visible, double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    painter.translate(offset_);
    MeterPainter::ShowWinnings(painter, layout_.Spec(), reelLeft_, visible, amount, Background());
    update(QRect(0, offset_.y(), width(), kMeterStrip));
}

void SlotCanvas::SetFlashing(bool on) {
    emit flashingChanged(on);
}

} // namespace kelvory
