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
    const ViewLayout::ButtonRow row =
        layout_.Buttons(ViewLayout::OuterWidth(kDesignWidth), kDesignHeight);
    BitBtn1->setGeometry(row.bet1Left, row.top, layout_.buttonWidth, ViewLayout::kButtonHeight);
    BitBtn2->setGeometry(row.bet2Left, row.top, layout_.buttonWidth, ViewLayout::kButtonHeight);
    Button1->setGeometry(row.spinLeft, row.top, layout_.buttonWidth, ViewLayout::kButtonHeight);
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
    const char* name = layout_.cellSize == 192   ? "kelvry3.bmp"
                       : layout_.cellSize == 128 ? "kelvry2.bmp"
                                                 : "kelvry1.bmp";
    return programDir_ + QLatin1String(name);
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

void SlotCanvas::FormResize() {
    const bool newCanvas = EnsureCanvas();
    const int clientWidth = width();
    layout_.Choose(clientWidth);
    Button1->resize(layout_.buttonWidth, ViewLayout::kButtonHeight);
    BitBtn1->resize(Button1->width(), ViewLayout::kButtonHeight);
    BitBtn2->resize(Button1->width(), ViewLayout::kButtonHeight);
    if (!LoadArtwork()) {
        // The pass ends here; a canvas of a new size still needs its first paint.
        if (newCanvas) {
            FormPaint();
        }
        return;
    }
    for (QImage& image : reelImages_) {
        image = QImage(layout_.cellSize, 3 * layout_.cellSize, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    const int outerWidth = ViewLayout::OuterWidth(clientWidth);
    reelLeft_ = layout_.LayoutReelLeft(outerWidth);
    const ViewLayout::ButtonRow row = layout_.Buttons(outerWidth, height());
    Button1->move(row.spinLeft, row.top);
    BitBtn1->move(row.bet1Left, row.top);
    BitBtn2->move(row.bet2Left, row.top);
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
        ErrorBox::Show(this, QStringLiteral("Cannot open file ") + path);
        return false;
    }
    QImage sheet;
    if (!sheet.loadFromData(file.readAll(), "BMP")) {
        ErrorBox::Show(this, QStringLiteral("Bitmap image is not valid"));
        return false;
    }
    symbolSheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    Reels::EvaluateWindow(state_);
    return true;
}

void SlotCanvas::DrawReel(int reel, int position) {
    if (reel < 0 || reel > 2) {
        return;
    }
    ReelRenderer::DrawReel(reelImages_[static_cast<std::size_t>(reel)], symbolSheet_,
                           layout_.cellSize, Reels::kStrips[static_cast<std::size_t>(reel)],
                           position);
}

void SlotCanvas::CopyReel(int reel) {
    ReelRenderer::CopyPixels(canvas_, layout_.ReelOrigin(reelLeft_, reel),
                             reelImages_[static_cast<std::size_t>(reel)],
                             QRect(QPoint(0, 0), layout_.ReelShown()));
}

QRect SlotCanvas::ReelArea() const {
    const QPoint origin = layout_.ReelOrigin(reelLeft_, 0);
    return {origin, QSize(3 * layout_.cellSize + 2 * ViewLayout::kReelGap, 3 * layout_.cellSize)};
}

void SlotCanvas::FormPaint() {
    EnsureCanvas();
    const int outerWidth = ViewLayout::OuterWidth(canvas_.width());
    reelLeft_ = layout_.PaintReelLeft(outerWidth);
    const QRect panel = layout_.Panel(reelLeft_);
    {
        QPainter painter(&canvas_);
        painter.fillRect(canvas_.rect(), Background());
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
        PayTablePainter::DrawHeadings(painter, layout_.cellSize);
        PayTablePainter::DrawAllRows(painter, state_, layout_.cellSize);
        DrawPaylineOn(painter);
        MeterPainter::ShowCredits(painter, layout_.cellSize, state_.Credits, Background());
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
    DrawPaylineOn(painter);
    update(QRect(layout_.PaylineLeft(reelLeft_), layout_.PaylineY(),
                 layout_.PaylineRight(reelLeft_) - layout_.PaylineLeft(reelLeft_) + 1, 1));
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
    PayTablePainter::DrawPayRow(painter, state_, layout_.cellSize, row, lit, column);
    painter.end();
    if (row >= 0 && row <= 7 && column >= 0 && column <= 1) {
        update(PayRowGeometry::For(layout_.cellSize, row, column).box);
    }
}

void SlotCanvas::ShowCredits(double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    MeterPainter::ShowCredits(painter, layout_.cellSize, amount, Background());
    update(QRect(0, 0, width(), kMeterStrip));
}

void SlotCanvas::ShowWinnings(bool visible, double amount) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter painter(&canvas_);
    MeterPainter::ShowWinnings(painter, layout_.cellSize, reelLeft_, visible, amount, Background());
    update(QRect(0, 0, width(), kMeterStrip));
}

void SlotCanvas::SetFlashing(bool on) {
    emit flashingChanged(on);
}

} // namespace kelvory
