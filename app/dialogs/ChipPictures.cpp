// SPDX-License-Identifier: MIT
#include "app/dialogs/ChipPictures.h"

#include "view/DrawnIconEngine.h"
#include "view/Fonts.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace kelvory {

ChipPictures::Style ChipPictures::ChipStyle(int chip) {
    static const std::array<Style, 6> styles{{
        {QColor(0, 0, 200), QColor(0, 255, 255), QStringLiteral("$1,000")},
        {QColor(200, 0, 0), QColor(255, 255, 0), QStringLiteral("$100")},
        {QColor(0, 140, 0), QColor(255, 255, 0), QStringLiteral("$10")},
        {QColor(20, 20, 20), QColor(255, 255, 255), QStringLiteral("$1")},
        {QColor(255, 0, 255), QColor(0, 0, 0), QStringLiteral("10\u00A2")},
        {QColor(0, 255, 255), QColor(0, 0, 200), QStringLiteral("1\u00A2")},
    }};
    return styles.at(static_cast<std::size_t>(chip));
}

namespace {
// A transparent picture of a logical size drawn for a device pixel ratio.
QImage Transparent(int width, int height, qreal ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio - 1e-6)),
                 static_cast<int>(std::ceil(height * ratio - 1e-6)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

constexpr int kGlyphSize = 20;
} // namespace

QIcon ChipPictures::ChipIcon(int chip) {
    return DrawnIconEngine::Icon(QSize(kWidth, kHeight),
                                 [chip](qreal ratio) { return Chip(chip, ratio); });
}

QImage ChipPictures::Chip(int chip, qreal ratio) {
    const Style style = ChipStyle(chip);
    QImage image = Transparent(kWidth, kHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF outer(1.5, 1.5, kWidth - 3, kHeight - 3);
    // The chip's edge: the body colour with six light inserts around the rim.
    p.setPen(QPen(style.Body.darker(160), 1.0));
    p.setBrush(style.Body);
    p.drawEllipse(outer);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    const QPointF centre = outer.center();
    const double rx = outer.width() / 2 - 3.5;
    const double ry = outer.height() / 2 - 3.5;
    for (int i = 0; i < 6; ++i) {
        const double a = (i * 60.0 + 30.0) * std::numbers::pi / 180.0;
        const QPointF at(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
        p.drawEllipse(at, 4.5, 2.5);
    }
    // The inlay with the value.
    const QRectF inlay = outer.adjusted(9, 7, -9, -7);
    p.setPen(QPen(style.Lettering, 1.0));
    p.setBrush(style.Body.lighter(115));
    p.drawEllipse(inlay);

    p.setFont(Fonts::Button(style.Text.size() > 4 ? 11 : 13, Fonts::Weight::Bold));
    p.setPen(style.Lettering);
    p.drawText(inlay, Qt::AlignCenter, style.Text);
    return image;
}

QIcon ChipPictures::OkGlyph() {
    return DrawnIconEngine::Icon(QSize(kGlyphSize, kGlyphSize), [](qreal ratio) {
        QImage image = Transparent(kGlyphSize, kGlyphSize, ratio);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 140, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3, 11);
        tick.lineTo(8, 16);
        tick.lineTo(17, 4);
        p.drawPath(tick);
        p.end();
        return image;
    });
}

QIcon ChipPictures::HelpGlyph() {
    return DrawnIconEngine::Icon(QSize(kGlyphSize, kGlyphSize), [](qreal ratio) {
        QImage image = Transparent(kGlyphSize, kGlyphSize, ratio);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 80, 200));
        p.drawEllipse(QRectF(1, 1, 18, 18));
        p.setFont(Fonts::Button(14, Fonts::Weight::Bold));
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
        p.end();
        return image;
    });
}

} // namespace kelvory
