// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "tests/support/RuntimeDir.h"
#include "view/SlotCanvas.h"

#include <QImage>
#include <QRect>
#include <QSize>

namespace kelvory::test {

// A canvas laid out at a client size, with the built artwork.
struct CanvasWindow {
    GameState state;
    SlotCanvas canvas{state, RuntimeDirBytes()};
    explicit CanvasWindow(QSize client) {
        canvas.resize(client);
        canvas.LayOut();
    }
    // A pixel of the canvas by physical coordinates.
    QRgb At(int x, int y) const { return canvas.Canvas().pixel(x, y); }
    QImage Region(const QRect& area) const { return canvas.Canvas().copy(area); }
};

} // namespace kelvory::test
