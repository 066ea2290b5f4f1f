// SPDX-License-Identifier: MIT
#pragma once

#include "game/Display.h"
#include "view/ViewLayout.h"

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;
class QPushButton;

namespace kelvory {

struct GameState;

// The main window's drawing surface. Every drawing operation paints on an
// off-screen canvas of the client area and marks what it changed; paintEvent
// copies the changed part to the screen. The layout pass (LayOut) picks
// one of the three layouts by the width, places the buttons, loads that
// layout's reel artwork and sizes the reel images. On a client area larger
// than the layout's design size the whole composition is drawn centred, and
// from ViewLayout::kSmallestScale on also scaled up to fill it.
//
// Painters draw on the canvas in the composition's logical pixels while it
// holds physical ones: its device pixel ratio is the screen's times the
// composition's scale, so text, lines and pictures are drawn for the
// physical pixels and stay sharp at any scale. Unscaled, the canvas covers
// the client area; scaled, it covers the composition alone, and the paint
// puts it centred on the screen with the background around it. The reels
// are composed in physical pixels from a symbol sheet made for the physical
// cell size (from the vector sources beside the reel artwork, or without
// them from the largest bitmap, resampled). During a spin the reels of a
// tick go from the sheet straight to the screen; the reel images and the
// canvas take them on when read.
class SlotCanvas : public QWidget, public Display {
    Q_OBJECT
  public:
    // The client area the window is designed for.
    static constexpr int kDesignWidth = kSmallLayout.designClient.width();
    static constexpr int kDesignHeight = kSmallLayout.designClient.height();

    // programDir: the folder of the reel artwork files, as the file system's
    // bytes.
    SlotCanvas(const GameState& state, const std::string& programDir, QWidget* parent = nullptr);

    void ShowCredits(double amount) override;
    void ShowWinnings(bool visible, double amount) override;
    void DrawPayRow(int row, bool lit, int column) override;
    void DrawReels(const std::array<int, 3>& positions) override;
    void DrawPayline() override;
    // The full repaint from the game state.
    void RepaintAll() override;

    // The layout pass; runs on every change of size.
    void LayOut();
    // Draws for this device pixel ratio instead of the screen's (0: the
    // screen's again), for a picture of the window at another scale.
    void SetRatioOverride(qreal ratio);
    // Reads the reel artwork of the current layout; false when the file is
    // missing or not a bitmap. artworkFailed then follows once the event in
    // hand is done: an error box (a modal loop) inside a resize would run
    // while the window is still being laid out.
    bool LoadArtwork();
    // Paints one reel at a position into its reel image.
    void DrawReel(int reel, int position);

    // The canvas, with the reels last drawn on it.
    const QImage& Canvas() const;
    const ViewLayout& Layout() const { return layout_; }
    int CellSize() const { return layout_.CellSize(); }
    // Where the composition of the layout stands in the client area.
    QPoint Offset() const;
    // The factor the composition is drawn at (1 when only centred).
    double Scale() const { return scale_; }
    // The left and top edges of the first reel on the canvas (logical).
    int ReelLeft() const { return reelLeft_ + offset_.x(); }
    int TopMargin() const { return layout_.TopMargin() + offset_.y(); }
    // The picture of a reel, in physical pixels.
    const QImage& ReelImage(int reel) const;
    // The artwork file as read (logical cell size) and the sheet the reels
    // are composed from (physical cell size; the same image at ratio 1).
    const QImage& SymbolSheet() const { return symbolSheet_; }
    const QImage& DeviceSheet() const { return deviceSheet_; }
    qreal DevicePixelRatio() const { return ratio_; }
    // Physical pixels to a logical pixel of the canvas: the screen's ratio
    // times the composition's scale.
    qreal CanvasRatio() const { return ratio_ * scale_; }
    // Where the canvas's top-left corner stands on the screen, in physical
    // pixels of the client area.
    QPoint CanvasOrigin() const { return canvasOrigin_; }
    // The physical edge of a reel cell: the cell size times the canvas
    // ratio, even.
    int DeviceCellSize() const;
    // The physical pixels a logical rectangle of the canvas covers, edges
    // rounded as the painter rounds them.
    QRect DeviceRect(const QRect& logical) const;
    // The artwork file of the current layout, and its double-size companion.
    std::string ArtworkPath() const;
    std::string DeviceArtworkPath() const;
    // The folder of the reel symbols' vector sources (the artwork folder).
    QString VectorSourceFolder() const;

    QSize sizeHint() const override { return {kDesignWidth, kDesignHeight}; }

    // The three buttons under the reels; the layout pass places them.
    QPushButton* BetOneButton() const { return betOneButton_; }
    QPushButton* BetTwoButton() const { return betTwoButton_; }
    QPushButton* SpinButton() const { return spinButton_; }

  signals:
    // The reel artwork could not be read; the message names the file or the
    // fault. Several failed passes in a row report once, with the last one.
    void artworkFailed(const QString& message);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The payline, across the panel and over each reel.
    static constexpr QRgb kPaylineRed = qRgb(255, 0, 0);
    // The buttons' caption height at the design size.
    static constexpr int kButtonTextPixels = 13;
    QPushButton* MakeButton(const QString& caption, const QString& hint,
                            const QImage& (*glyph)(qreal));
    // Gives the canvas the size of the area it covers; true when it was made
    // anew.
    bool EnsureCanvas();
    // The scale for the widget's size and the layout in force, and the area
    // and place of the canvas that follow from it.
    void ChooseScale();
    // The client area a logical rectangle of the canvas covers on the screen:
    // every pixel it touches, or only those it covers whole.
    QRect OnScreen(const QRect& canvasRect) const;
    QRect WhollyOnScreen(const QRect& canvasRect) const;
    void ScaleButtons();
    qreal ScreenRatio() const;
    QColor Background() const;
    void DrawBevel(QPainter& painter, const QRect& panel) const;
    void DrawPaylineOn(QPainter& painter) const;
    // The sheet for the physical cell size, from the double-size artwork or,
    // without it, from the logical sheet.
    void MakeDeviceSheet();
    void DrawReelImage(int reel, int position) const;
    void CopyReel(int reel) const;
    // Puts the reels of the last spin tick on the reel images and the canvas.
    void SettleReels() const;
    // Draws the reels of the last spin tick from the sheet onto the screen.
    void PaintReels(QPainter& painter) const;
    bool ReelsDrawable() const;
    // The part of the client area where a reel is shown (logical pixels).
    QRect ReelShown(int reel) const;
    // A reel's piece of the payline in its reel image (physical pixels).
    QRect ReelPayline(int reel) const;
    void PlaceButtons();
    // Sends a change of the reels to the screen at most once a frame of the
    // screen's refresh: a spin ticks faster than any screen shows, and every
    // tick copied would cost the pixels of a frame nobody sees. A change is
    // shown with the tick that brings it when a frame has passed, so the copy
    // runs in the tick's own time, never inside the wait for the next tick;
    // the last change of a spin is shown a frame later.
    void ShowReelChange(const QRect& area);
    void ShowPendingReels();
    int FrameMs() const;
    void ReportErrorLater(const QString& message);

    const GameState& state_;
    std::string programDir_;
    ViewLayout layout_;
    // In the coordinates of the composition, whose top-left corner is at
    // offset_ in the client area.
    int reelLeft_ = 0;
    QPoint offset_;
    QString pendingError_;
    qreal ratio_ = 1.0;
    double scale_ = 1.0;
    // The logical size of the canvas: the client area, or the design size
    // when scaled.
    QSize canvasArea_;
    QPoint canvasOrigin_;
    // What the buttons' font and glyphs were last made for.
    double buttonScale_ = 0;
    qreal ratioOverride_ = 0;
    bool ratioCheckQueued_ = false;
    // The canvas and the reel images take on the reels of a spin tick only
    // when read or drawn over, so a tick costs one copy to the screen.
    mutable QImage canvas_;
    mutable std::array<QImage, 3> reelImages_;
    mutable std::optional<std::array<int, 3>> unsettledReels_;
    // The reel positions the screen shows or is about to show.
    std::optional<std::array<int, 3>> reelsOnScreen_;
    QTimer reelFrameTimer_;
    QElapsedTimer sinceReelFrame_;
    QRect pendingReelArea_;
    QPushButton* betOneButton_ = nullptr;
    QPushButton* betTwoButton_ = nullptr;
    QPushButton* spinButton_ = nullptr;
    QImage symbolSheet_;
    QImage deviceSheet_;
    QImage vectorSheet_;
    QString vectorSheetFolder_;
};

} // namespace kelvory
