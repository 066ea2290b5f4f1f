// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

namespace kelvory::test {

// How many pixels of an area are red enough to be red text or a red box,
// smoothing included.
inline int RedPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90 ? 1 : 0;
        }
    }
    return count;
}

} // namespace kelvory::test
