#pragma once

#include "Display.h"
#include "GameState.h"
#include "ViewLayout.h"

#include <QImage>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>

class QPainter;

namespace kelvory {

// The main window's drawing surface. Every drawing operation paints on an
// off-screen canvas of the client area and marks what it changed; paintEvent
// copies the changed part to the screen. The layout pass (FormResize) picks
// one of the three layouts by the width, places the buttons, loads that
// layout's reel artwork and sizes the reel images. On a client area larger
// than the layout's design size the whole composition is drawn centred.
class SlotCanvas : public QWidget, public Display {
    Q_OBJECT
  public:
    // The client area the window is designed for.
    static constexpr int kDesignWidth = kSmallLayout.designClient.width();
    static constexpr int kDesignHeight = kSmallLayout.designClient.height();

    // programDir: the folder of the reel artwork files.
    SlotCanvas(GameState& state, const QString& programDir, QWidget* parent = nullptr);

    void ShowCredits(double amount) override;
    void ShowWinnings(bool visible, double amount) override;
    void DrawPayRow(int row, bool lit, int column) override;
    void DrawReels(const std::array<int, 3>& positions) override;
    void DrawPayline() override;
    void SetFlashing(bool on) override;
    void RepaintAll() override;

    // The full repaint from the game state.
    void FormPaint();
    // The layout pass; runs on every change of size.
    void FormResize();
    // Reads the reel artwork of the current layout; false when the file is
    // missing or not a bitmap. The error box then follows once the event in
    // hand is done: a modal loop inside a resize would run while the window
    // is still being laid out.
    bool LoadArtwork();
    // Paints one reel at a position into its reel image.
    void DrawReel(int reel, int position);

    const QImage& Canvas() const { return canvas_; }
    const ViewLayout& Layout() const { return layout_; }
    int CellSize() const { return layout_.CellSize(); }
    // Where the composition of the layout stands in the client area.
    QPoint Offset() const { return offset_; }
    // The left and top edges of the first reel in the client area.
    int ReelLeft() const { return reelLeft_ + offset_.x(); }
    int TopMargin() const { return layout_.TopMargin() + offset_.y(); }
    const QImage& ReelImage(int reel) const { return reelImages_[static_cast<std::size_t>(reel)]; }
    const QImage& SymbolSheet() const { return symbolSheet_; }
    // The artwork file of the current layout.
    QString ArtworkPath() const;

    QSize sizeHint() const override { return {kDesignWidth, kDesignHeight}; }

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
    QPushButton* MakeButton(const QString& caption, const QString& hint, const QImage& glyph);
    // Gives the canvas the size of the widget; true when it was made anew.
    bool EnsureCanvas();
    QColor Background() const;
    void DrawBevel(QPainter& painter, const QRect& panel) const;
    void DrawPaylineOn(QPainter& painter) const;
    void CopyReel(int reel);
    QRect ReelArea() const;
    void PlaceButtons();
    void ShowErrorLater(const QString& message);

    GameState& state_;
    QString programDir_;
    ViewLayout layout_;
    // In the coordinates of the composition, whose top-left corner is at
    // offset_ in the client area.
    int reelLeft_ = 0;
    QPoint offset_;
    QString pendingError_;
    QImage canvas_;
    std::array<QImage, 3> reelImages_;
    QImage symbolSheet_;
};

} // namespace kelvory
