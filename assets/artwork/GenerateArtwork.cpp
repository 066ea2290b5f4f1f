// SPDX-License-Identifier: MIT
// Renders the reel artwork files of the three layouts into a folder, each with
// an "@2x" companion of twice the cell size for HiDPI screens.
#include "view/SymbolArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        int cellSize;
        const char* name;
    } sheets[] = {{96, "kelvry1.bmp"},     {128, "kelvry2.bmp"},    {192, "kelvry3.bmp"},
                  {192, "kelvry1@2x.bmp"}, {256, "kelvry2@2x.bmp"}, {384, "kelvry3@2x.bmp"}};
    for (const auto& sheet : sheets) {
        const QString path = folder.filePath(QLatin1String(sheet.name));
        const QImage image =
            kelvory::SymbolArt::Sheet(sheet.cellSize).convertToFormat(QImage::Format_RGB888);
        if (!image.save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
