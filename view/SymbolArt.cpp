// SPDX-License-Identifier: MIT
#include "view/SymbolArt.h"

#include "game/GameState.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kelvory {

namespace {
// The reel ground: a warm white, lighter than the cyan panel around it.
const QColor kReelGround(255, 255, 255);
} // namespace

namespace {
void RenderOn(QImage& image, QSvgRenderer& renderer) {
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
}

constexpr int kReelCodes[] = {Clover, Seven, TripleBar, DoubleBar, SingleBar};
} // namespace

QImage SymbolArt::Render(const QString& name, QSize size, const QColor& ground) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QSvgRenderer renderer(QStringLiteral(":/artwork/%1.svg").arg(name));
    if (renderer.isValid()) {
        RenderOn(image, renderer);
    }
    return image;
}

QStringList SymbolArt::ReelSourceFiles() {
    QStringList files;
    for (int code : kReelCodes) {
        files << ReelSymbol(code) + QStringLiteral(".svg");
    }
    return files;
}

QImage SymbolArt::SheetFromFolder(int cellSize, const QString& folder) {
    QImage sheet(3 * cellSize, 3 * cellSize, QImage::Format_RGB32);
    sheet.fill(kReelGround);
    for (int code : kReelCodes) {
        QSvgRenderer renderer(folder + ReelSymbol(code) + QStringLiteral(".svg"));
        if (!renderer.isValid()) {
            return {};
        }
        QImage tile(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
        tile.fill(kReelGround);
        RenderOn(tile, renderer);
        QPainter(&sheet).drawImage(QPoint((code % 3) * cellSize, (code / 3) * cellSize), tile);
    }
    return sheet;
}

QString SymbolArt::ReelSymbol(int code) {
    switch (code) {
    case Clover:
        return QStringLiteral("clover");
    case Seven:
        return QStringLiteral("seven");
    case TripleBar:
        return QStringLiteral("bar3");
    case DoubleBar:
        return QStringLiteral("bar2");
    case SingleBar:
        return QStringLiteral("bar1");
    default:
        return {};
    }
}

QImage SymbolArt::Sheet(int cellSize) {
    QImage sheet(3 * cellSize, 3 * cellSize, QImage::Format_RGB32);
    sheet.fill(kReelGround);
    QPainter painter(&sheet);
    for (int code : kReelCodes) {
        const QImage tile = Render(ReelSymbol(code), QSize(cellSize, cellSize), kReelGround);
        painter.drawImage(QPoint((code % 3) * cellSize, (code / 3) * cellSize), tile);
    }
    return sheet;
}

QImage SymbolArt::Icons(int iconSize, const QColor& ground) {
    QImage icons(3 * iconSize, 2 * iconSize, QImage::Format_RGB32);
    icons.fill(ground);
    QPainter painter(&icons);
    const QString names[6] = {QStringLiteral("clover"), QStringLiteral("seven"),
                              QStringLiteral("bar3"),   QStringLiteral("bar2"),
                              QStringLiteral("bar1"),   QStringLiteral("anybar")};
    for (int tile = 0; tile < 6; ++tile) {
        const QImage icon = Render(names[tile], QSize(iconSize, iconSize), ground);
        painter.drawImage(QPoint((tile % 3) * iconSize, (tile / 3) * iconSize), icon);
    }
    return icons;
}

} // namespace kelvory
