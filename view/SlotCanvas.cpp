#include "SlotCanvas.h"

#include "Reels.h"

#include <QPaintEvent>
#include <QPainter>

namespace kelvory {

namespace {
const char* SymbolName(int code) {
    switch (code) {
    case Clover: return "CLOVER";
    case Seven: return "7";
    case TripleBar: return "BAR BAR BAR";
    case DoubleBar: return "BAR BAR";
    case SingleBar: return "BAR";
    default: return "";
    }
}
} // namespace

SlotCanvas::SlotCanvas(GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    shown_ = state_.ReelStops;
    setAttribute(Qt::WA_OpaquePaintEvent);
    BitBtn1 = new QPushButton(QStringLiteral("Bet 1"), this);
    BitBtn1->setToolTip(QStringLiteral("Bet one credit"));
    BitBtn2 = new QPushButton(QStringLiteral("Bet 2"), this);
    BitBtn2->setToolTip(QStringLiteral("Bet two credits"));
    Button1 = new QPushButton(QStringLiteral("Spin"), this);
    Button1->setToolTip(QStringLiteral("Spin the slot wheels"));
    Button1->setDefault(true);
    int left = 135;
    for (QPushButton* button : {BitBtn1, BitBtn2, Button1}) {
        button->setGeometry(left, 341, 112, 49);
        left += 124;
    }
}

void SlotCanvas::resizeEvent(QResizeEvent*) { FormPaint(); }

void SlotCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_, event->rect());
}

void SlotCanvas::FormPaint() {
    if (canvas_.size() != size()) {
        canvas_ = QImage(size(), QImage::Format_RGB32);
    }
    shown_ = state_.ReelStops;
    RepaintAll();
}

void SlotCanvas::RepaintAll() {
    if (canvas_.isNull()) {
        return;
    }
    canvas_.fill(palette().color(QPalette::Window));
    DrawReels(shown_);
    ShowCredits(state_.Credits);
    update();
}

void SlotCanvas::ShowCredits(double amount) {
    QPainter p(&canvas_);
    p.fillRect(400, 0, 232, 20, palette().color(QPalette::Window));
    p.drawText(400, 15, QStringLiteral("Credits: %1").arg(amount, 0, 'f', 2));
    update(400, 0, 232, 20);
}

void SlotCanvas::ShowWinnings(bool visible, double amount) {
    QPainter p(&canvas_);
    p.fillRect(150, 0, 200, 20, palette().color(QPalette::Window));
    if (visible) {
        p.drawText(150, 15, QStringLiteral("Winnings: %1").arg(amount, 0, 'f', 2));
    }
    update(150, 0, 200, 20);
}

void SlotCanvas::DrawPayRow(int, bool, int) {}

void SlotCanvas::DrawReels(const std::array<int, 3>& positions) {
    shown_ = positions;
    QPainter p(&canvas_);
    const QRect area(150, 40, 340, 280);
    p.fillRect(area, Qt::cyan);
    for (int reel = 0; reel < 3; ++reel) {
        const ReelWindow cells = Reels::WindowAt(reel, positions[reel] & ~1);
        for (int row = 0; row < 3; ++row) {
            const QRect cell(160 + reel * 110, 50 + row * 90, 100, 80);
            p.fillRect(cell, Qt::white);
            p.drawText(cell, Qt::AlignCenter, SymbolName(cells[row]));
        }
    }
    update(area);
}

void SlotCanvas::DrawPayline() {}

void SlotCanvas::SetFlashing(bool on) { emit flashingChanged(on); }

} // namespace kelvory
