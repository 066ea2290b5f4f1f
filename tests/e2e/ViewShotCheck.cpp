// SPDX-License-Identifier: MIT
// Checks screenshots of the main window at the design size: the cyan reel
// panel, the reels and the payline where they belong, and the credit meter
// changed by the bets and the payout.
// Usage: view_shot_check start.png spinning.png final.png clientX clientY
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {
int failures = 0;

void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
}

bool IsCyan(QRgb p) {
    return qRed(p) < 40 && qGreen(p) > 215 && qBlue(p) > 215;
}
bool IsRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}

int Count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s start spinning final x y\n", argv[0]);
        return 2;
    }
    const QPoint origin(atoi(argv[4]), atoi(argv[5]));
    auto client = [&](const char* path) {
        return QImage(QString::fromLocal8Bit(path))
            .copy(QRect(origin, QSize(632, 394)))
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage start = client(argv[1]);
    const QImage spinning = client(argv[2]);
    const QImage final = client(argv[3]);
    if (start.isNull() || final.isNull() || spinning.isNull()) {
        std::fprintf(stderr, "cannot read the screenshots\n");
        return 2;
    }
    // The panel: x 149 to 488, y 28 to 327; the reels 95 pixels wide at x
    // 165, 270 and 375 from y 34, 287 pixels tall.
    Check(Count(final, QRect(150, 29, 14, 130), IsCyan) == 14 * 130, "panel left of the reels");
    Check(Count(final, QRect(471, 29, 17, 130), IsCyan) == 17 * 130, "panel right of the reels");
    Check(Count(final, QRect(261, 35, 8, 140), IsCyan) == 8 * 140, "gap between reels 1 and 2");
    Check(qGray(final.pixel(148, 100)) < 30 && qGray(final.pixel(489, 100)) < 30,
          "black outline around the panel");
    for (int reel = 0; reel < 3; ++reel) {
        const QRect area(165 + 105 * reel, 34, 95, 287);
        const int cyan = Count(final, area, IsCyan);
        const int white = Count(final, area, [](QRgb p) { return qGray(p) > 250; });
        const int ink = Count(final, area, [](QRgb p) { return qGray(p) < 200; });
        Check(cyan == 0 && white > area.width() * area.height() / 2 && ink > 200,
              "a reel with symbols on white");
    }
    Check(Count(final, QRect(149, 178, 340, 1), IsRed) == 340, "the payline across the panel");
    const QRect credits(400, 0, 95, 20);
    Check(Count(final, credits, IsRed) > 30, "the credit amount in red");
    Check(start.copy(credits) != spinning.copy(credits), "the stake taken from the credits");
    const bool changed = start.copy(credits) != final.copy(credits);
    if (!changed) {
        std::printf("note: the payout returned exactly the stake\n");
    }
    Check(changed || spinning.copy(credits) != final.copy(credits),
          "the credits changed by the spin");
    return failures == 0 ? 0 : 1;
}
