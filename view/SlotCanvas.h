#pragma once

#include "Display.h"
#include "GameState.h"

#include <QImage>
#include <QPushButton>
#include <QWidget>

namespace kelvory {

// The main window's drawing surface. Every drawing operation paints on an
// off-screen canvas of the client area; paintEvent copies it to the screen.
class SlotCanvas : public QWidget, public Display {
    Q_OBJECT
  public:
    SlotCanvas(GameState& state, QWidget* parent = nullptr);

    void ShowCredits(double amount) override;
    void ShowWinnings(bool visible, double amount) override;
    void DrawPayRow(int row, bool lit, int column) override;
    void DrawReels(const std::array<int, 3>& positions) override;
    void DrawPayline() override;
    void SetFlashing(bool on) override;
    void RepaintAll() override;

    // The full repaint from the game state.
    void FormPaint();
    const QImage& Canvas() const { return canvas_; }

    // The three buttons under the reels; the layout pass places them.
    QPushButton* BitBtn1 = nullptr; // "Bet 1"
    QPushButton* BitBtn2 = nullptr; // "Bet 2"
    QPushButton* Button1 = nullptr; // "Spin"

  signals:
    void flashingChanged(bool on);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    GameState& state_;
    QImage canvas_;
    std::array<int, 3> shown_{};
    double winnings_ = -1;
};

} // namespace kelvory
