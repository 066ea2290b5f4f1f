// SPDX-License-Identifier: MIT
// Checks a screenshot of the main window (menu bar and client area) at any
// size: the cyan reel panel whole and of its layout's size (scaled up with the
// composition on a client area from 1.1 times the design size), centred, with
// a pay column clear of it on each side; with --buttons also the three
// buttons side by side below the panel.
// Usage: window_shot_check [--buttons] window.png menuBarHeight
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
int failures = 0;

void Check(bool ok, const QString& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
    failures += ok ? 0 : 1;
}

bool IsCyan(QRgb p) {
    return qRed(p) < 40 && qGreen(p) > 215 && qBlue(p) > 215;
}

int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

QRect Bounds(const QImage& image, bool (*test)(QRgb)) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y))) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

bool AllCyan(const QImage& image, const QRect& area) {
    return Count(image, area, IsCyan) == area.width() * area.height();
}
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const bool buttons = argc == 4 && QByteArray(argv[1]) == "--buttons";
    if (argc != (buttons ? 4 : 3)) {
        std::fprintf(stderr, "usage: %s [--buttons] window.png menuBarHeight\n", argv[0]);
        return 2;
    }
    const QImage window =
        QImage(QString::fromLocal8Bit(argv[buttons ? 2 : 1])).convertToFormat(QImage::Format_RGB32);
    const int menu = std::atoi(argv[buttons ? 3 : 2]);
    if (window.isNull() || menu <= 0 || menu >= window.height()) {
        std::fprintf(stderr, "cannot read the screenshot\n");
        return 2;
    }
    const QImage client = window.copy(0, menu, window.width(), window.height() - menu);
    const int c = client.width() <= 750 ? 96 : client.width() <= 1000 ? 128 : 192;
    const QSize design = c == 96 ? QSize(632, 394) : c == 128 ? QSize(794, 532) : QSize(1018, 700);
    double scale = std::min(double(client.width()) / design.width(),
                            double(client.height()) / design.height());
    scale = scale >= 1.1 ? scale : 1.0;
    // A length of the design on the screen; scaled, a pixel is left off each
    // side of a strip whose edges the scale rounds.
    const auto S = [scale](int length) { return int(std::lround(length * scale)); };
    const int edge = scale == 1.0 ? 0 : 1;
    std::printf("client area %d x %d, %d layout, scale %.3f\n", client.width(), client.height(), c,
                scale);

    const QRect panel = Bounds(client, IsCyan);
    Check(std::abs(panel.width() - (3 * c + 52) * scale) <= 2 * edge &&
              std::abs(panel.height() - (3 * c + 12) * scale) <= 2 * edge,
          QStringLiteral("a reel panel of %1 x %2 at %3, %4")
              .arg(panel.width())
              .arg(panel.height())
              .arg(panel.x())
              .arg(panel.y()));
    if (client.width() == 632) {
        Check(panel.topLeft() == QPoint(149, 28),
              QStringLiteral("the panel where the design has it"));
    }
    Check(std::abs(2 * panel.center().x() + 1 - client.width()) <= S(8),
          QStringLiteral("the panel centred across the client area"));
    // Nothing lies over the panel: its margins, the gaps between the reels,
    // the strip below the reels and its black outline are whole.
    const int upper = S(6 + c + c / 2 - 16);
    Check(AllCyan(client, QRect(panel.left(), panel.top(), S(16) - edge, upper)),
          "the panel's left margin");
    Check(
        AllCyan(client, QRect(panel.right() - S(16) + 1 + edge, panel.top(), S(16) - edge, upper)),
        "the panel's right margin");
    for (int gap = 0; gap < 2; ++gap) {
        Check(AllCyan(client, QRect(panel.left() + S(16 + c + gap * (c + 9)) + edge, panel.top(),
                                    S(8) - 2 * edge, upper)),
              QStringLiteral("the gap after reel %1").arg(gap + 1));
    }
    Check(AllCyan(client, QRect(panel.left(), panel.bottom() - S(4), panel.width(), S(4) + 1)),
          "the strip below the reels");
    auto black = [](QRgb p) { return qGray(p) < 30; };
    Check(Count(client, QRect(panel.left() - 1, panel.top(), 1, panel.height()), black) ==
                  panel.height() &&
              Count(client, QRect(panel.right() + 1, panel.top(), 1, panel.height()), black) ==
                  panel.height(),
          "the black outline on both sides");
    // A pay column of white boxes on each side, clear of the framed panel.
    auto white = [](QRgb p) { return p == qRgb(255, 255, 255); };
    const int columnArea = 8 * (c == 192 ? 120 : 80) * (c == 96 ? 12 : 20);
    Check(Count(client, QRect(0, 0, panel.left() - 5, client.height()), white) > columnArea,
          "the one-coin column left of the panel");
    Check(Count(client, QRect(panel.right() + 6, 0, client.width(), client.height()), white) >
              columnArea,
          "the two-coin column right of the panel");

    if (buttons) {
        // Three buttons side by side in the row below the panel's frame.
        const QRgb background = client.pixel(client.width() - 1, client.height() - 1);
        const QRect row(panel.left() - S(30), panel.bottom() + S(7), panel.width() + S(60),
                        client.height() - panel.bottom() - S(7));
        QList<int> runs;
        int blank = 0;
        for (int x = row.left(); x <= row.right(); ++x) {
            const bool used = Count(client, QRect(x, row.top(), 1, row.height()),
                                    [&](QRgb p) { return p != background; }) > 0;
            if (used && (runs.isEmpty() || blank >= 6)) {
                runs.append(0);
            }
            blank = used ? 0 : blank + 1;
            if (used) {
                ++runs.last();
            }
        }
        int wide = 0;
        for (int run : runs) {
            wide += run >= 100 ? 1 : 0;
        }
        Check(wide == 3, QStringLiteral("three buttons below the panel (%1 found)").arg(wide));
    }
    return failures == 0 ? 0 : 1;
}
