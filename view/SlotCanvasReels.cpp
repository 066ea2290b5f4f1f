// SPDX-License-Identifier: MIT
// The reels on the canvas: the reel artwork and its sheet at the screen's
// pixel ratio, the reel images, and the reels of a spin tick.
#include "view/SlotCanvas.h"

#include "game/Reels.h"
#include "view/FileBytes.h"
#include "view/ReelRenderer.h"
#include "view/SymbolArt.h"

#include <QFile>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace kelvory {

namespace {
// Reads a Windows bitmap; a null image when the file is missing or invalid.
QImage ReadBitmap(const std::string& path) {
    QImage image;
    if (const std::optional<QByteArray> bytes = FileBytes::Read(path)) {
        image.loadFromData(*bytes, "BMP");
    }
    return image;
}
} // namespace

std::string SlotCanvas::ArtworkPath() const {
    return programDir_ + layout_.Values().artworkFile;
}

std::string SlotCanvas::DeviceArtworkPath() const {
    std::string path = ArtworkPath();
    return path.insert(path.size() - 4, "@2x");
}

QString SlotCanvas::VectorSourceFolder() const {
    return QFile::decodeName(QByteArray::fromStdString(programDir_));
}

int SlotCanvas::DeviceCellSize() const {
    const qreal ratio = CanvasRatio();
    if (ratio == 1.0) {
        return layout_.CellSize();
    }
    // Even, so that the half-cell step of a spin stays a whole pixel.
    return 2 * static_cast<int>(std::ceil(layout_.CellSize() * ratio / 2 - 1e-6));
}

bool SlotCanvas::LoadArtwork() {
    for (QImage& image : reelImages_) {
        image = QImage();
    }
    unsettledReels_.reset();
    reelsOnScreen_.reset();
    symbolSheet_ = QImage();
    deviceSheet_ = QImage();
    const std::string path = ArtworkPath();
    const std::optional<QByteArray> bytes = FileBytes::Read(path);
    if (!bytes) {
        ReportErrorLater(QStringLiteral("Cannot open file ") +
                         QFile::decodeName(QByteArray::fromStdString(path)));
        return false;
    }
    QImage sheet;
    if (!sheet.loadFromData(*bytes, "BMP")) {
        ReportErrorLater(QStringLiteral("Bitmap image is not valid"));
        return false;
    }
    symbolSheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    MakeDeviceSheet();
    return true;
}

void SlotCanvas::MakeDeviceSheet() {
    const int deviceCell = DeviceCellSize();
    if (deviceCell == layout_.CellSize()) {
        deviceSheet_ = symbolSheet_;
        return;
    }
    // Drawn for the physical cell from the vector sources, once per layout
    // pass; the last sheet is kept for a pass at the same size.
    if (vectorSheet_.width() == 3 * deviceCell && vectorSheetFolder_ == VectorSourceFolder()) {
        deviceSheet_ = vectorSheet_;
        return;
    }
    vectorSheet_ = SymbolArt::SheetFromFolder(deviceCell, VectorSourceFolder());
    vectorSheetFolder_ = VectorSourceFolder();
    if (!vectorSheet_.isNull()) {
        deviceSheet_ = vectorSheet_;
        return;
    }
    // Without them, the largest bitmap resampled.
    QImage source;
    if (CanvasRatio() > 1.0) {
        source = ReadBitmap(DeviceArtworkPath());
        if (source.width() != 6 * layout_.CellSize() || source.height() != 6 * layout_.CellSize()) {
            source = QImage();
        }
    }
    if (source.isNull()) {
        source = symbolSheet_;
    }
    source = source.convertToFormat(QImage::Format_RGB32);
    if (source.width() != 3 * deviceCell) {
        // Tile by tile, so that no tile takes colour from its neighbour.
        const int from = source.width() / 3;
        QImage scaled(3 * deviceCell, 3 * deviceCell, QImage::Format_RGB32);
        QPainter painter(&scaled);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QImage tile = source.copy(column * from, row * from, from, from)
                                        .scaled(deviceCell, deviceCell, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
                painter.drawImage(QPoint(column * deviceCell, row * deviceCell), tile);
            }
        }
        painter.end();
        source = scaled;
    }
    deviceSheet_ = source;
}

void SlotCanvas::DrawReel(int reel, int position) {
    if (reel < 0 || reel > 2) {
        return;
    }
    SettleReels();
    DrawReelImage(reel, position);
}

void SlotCanvas::DrawReelImage(int reel, int position) const {
    ReelRenderer::DrawReel(reelImages_[static_cast<std::size_t>(reel)], deviceSheet_,
                           DeviceCellSize(), Reels::kStrips[static_cast<std::size_t>(reel)],
                           position, ReelPayline(reel));
}

void SlotCanvas::CopyReel(int reel) const {
    const QRect shown = DeviceRect(ReelShown(reel));
    ReelRenderer::CopyPixels(canvas_, shown.topLeft(), reelImages_[static_cast<std::size_t>(reel)],
                             QRect(QPoint(0, 0), shown.size()));
}

void SlotCanvas::SettleReels() const {
    if (!unsettledReels_) {
        return;
    }
    const std::array<int, 3> positions = *unsettledReels_;
    unsettledReels_.reset();
    for (int reel = 0; reel < 3; ++reel) {
        DrawReelImage(reel, positions[static_cast<std::size_t>(reel)]);
        CopyReel(reel);
    }
}

bool SlotCanvas::ReelsDrawable() const {
    const int deviceCell = DeviceCellSize();
    return !deviceSheet_.isNull() && deviceSheet_.width() >= 3 * deviceCell &&
           deviceSheet_.height() >= 3 * deviceCell && deviceSheet_.depth() == 32;
}

void SlotCanvas::PaintReels(QPainter& painter) const {
    const int deviceCell = DeviceCellSize();
    for (int reel = 0; reel < 3; ++reel) {
        const QRect shown = DeviceRect(ReelShown(reel)).translated(canvasOrigin_);
        const ReelRenderer::Tiles tiles =
            ReelRenderer::TilesAt(deviceCell, Reels::kStrips[static_cast<std::size_t>(reel)],
                                  (*unsettledReels_)[static_cast<std::size_t>(reel)]);
        for (int i = 0; i < tiles.count; ++i) {
            const ReelRenderer::TileCopy& copy = tiles.copies[static_cast<std::size_t>(i)];
            const QRect to =
                QRect(shown.topLeft() + QPoint(0, copy.y), copy.from.size()).intersected(shown);
            if (!to.isEmpty()) {
                painter.drawImage(to.topLeft(), deviceSheet_,
                                  QRect(copy.from.topLeft(), to.size()));
            }
        }
        painter.fillRect(ReelPayline(reel).translated(shown.topLeft()).intersected(shown),
                         QColor(kPaylineRed));
    }
}

void SlotCanvas::DrawReels(const std::array<int, 3>& positions) {
    if (canvas_.isNull()) {
        return;
    }
    if (!ReelsDrawable()) {
        // No artwork: compose what there is on the canvas, as a paint would.
        for (int reel = 0; reel < 3; ++reel) {
            DrawReelImage(reel, positions[static_cast<std::size_t>(reel)]);
            CopyReel(reel);
        }
    } else {
        unsettledReels_ = positions;
    }
    // Only the reels that moved go to the screen (reels stop from left to
    // right), as one rectangle: the painter then clips to a rectangle and
    // copies each tile as one block. The gaps come from the canvas.
    int first = 3;
    int last = -1;
    for (int reel = 0; reel < 3; ++reel) {
        const auto index = static_cast<std::size_t>(reel);
        if (!reelsOnScreen_ || (*reelsOnScreen_)[index] != positions[index]) {
            first = std::min(first, reel);
            last = reel;
        }
    }
    reelsOnScreen_ = positions;
    if (last >= 0) {
        ShowReelChange(OnScreen(ReelShown(first).united(ReelShown(last))));
    }
}

int SlotCanvas::FrameMs() const {
    const qreal hertz = screen() != nullptr ? screen()->refreshRate() : 0;
    return hertz >= 24 && hertz <= 480 ? static_cast<int>(1000 / hertz) : 16;
}

void SlotCanvas::ShowReelChange(const QRect& area) {
    pendingReelArea_ |= area;
    const int frameMs = FrameMs();
    if (!sinceReelFrame_.isValid() || sinceReelFrame_.elapsed() >= frameMs) {
        ShowPendingReels();
    } else {
        // Shown by the next tick, or by the timer when no tick follows.
        reelFrameTimer_.start(frameMs);
    }
}

void SlotCanvas::ShowPendingReels() {
    reelFrameTimer_.stop();
    if (pendingReelArea_.isEmpty()) {
        return;
    }
    update(pendingReelArea_);
    pendingReelArea_ = QRect();
    sinceReelFrame_.start();
}

} // namespace kelvory
