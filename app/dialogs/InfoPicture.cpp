// SPDX-License-Identifier: MIT
#include "app/dialogs/InfoPicture.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace kelvory {

namespace {
const QColor kCloverGreen(0x1f, 0x9d, 0x4a);
const QColor kCloverDark(0x0b, 0x5e, 0x2b);
const QColor kGold(0xf2, 0xb8, 0x1d);
const QColor kRed(0xc8, 0x1e, 0x2b);
const QColor kCabinet(0x1d, 0x4f, 0x91);

// The painter's font, bold at a pixel size.
void UseBoldFont(QPainter& painter, int pixelSize) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
}

void DrawSeven(QPainter& painter, QRectF box) {
    UseBoldFont(painter, static_cast<int>(box.height() * 0.9));
    painter.setPen(kRed);
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("7"));
}

void DrawBars(QPainter& painter, QRectF box, int count) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal bar = box.height() / 5;
    qreal y = box.center().y() - (count * bar + (count - 1) * bar * 0.4) / 2;
    for (int i = 0; i < count; ++i) {
        painter.drawRoundedRect(QRectF(box.left() + 2, y, box.width() - 4, bar), 2, 2);
        y += bar * 1.4;
    }
}
} // namespace

InfoPicture::InfoPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setFixedSize(sizeHint());
}

void InfoPicture::DrawClover(QPainter& painter, QPointF centre, qreal leaf) {
    painter.save();
    painter.setPen(QPen(kCloverDark, qMax<qreal>(1.0, leaf / 8)));
    painter.setBrush(kCloverGreen);
    QPainterPath stem;
    stem.moveTo(centre);
    stem.quadTo(centre + QPointF(leaf * 0.4, leaf * 1.4), centre + QPointF(leaf * 1.1, leaf * 2.0));
    painter.drawPath(stem);
    for (int i = 0; i < 4; ++i) {
        const qreal angle = qDegreesToRadians(45.0 + 90.0 * i);
        const QPointF offset(qCos(angle) * leaf * 0.8, qSin(angle) * leaf * 0.8);
        painter.drawEllipse(centre + offset, leaf, leaf);
    }
    painter.restore();
}

void InfoPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind_) {
    case Machine:
        DrawMachine(painter);
        break;
    case Offer:
        DrawOffer(painter);
        break;
    case Padlock:
        DrawPadlock(painter);
        break;
    case Symbols:
        DrawSymbols(painter);
        break;
    case Disc:
        DrawDisc(painter);
        break;
    }
}

void InfoPicture::DrawMachine(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(kCabinet);
    painter.drawRoundedRect(QRectF(10, 14, 98, 110), 12, 12);
    painter.setBrush(kGold);
    painter.drawRoundedRect(QRectF(20, 4, 78, 18), 6, 6);
    // The lever.
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 70), QPointF(122, 30));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kRed);
    painter.drawEllipse(QPointF(122, 28), 7, 7);
    // Three reel windows with a clover on the payline of each.
    for (int i = 0; i < 3; ++i) {
        const QRectF reel(20 + i * 27, 36, 24, 50);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(reel);
        DrawClover(painter, reel.center() - QPointF(2, 3), 4.5);
    }
    painter.setPen(QPen(kRed, 2));
    painter.drawLine(QPointF(16, 61), QPointF(102, 61));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawRoundedRect(QRectF(34, 98, 50, 12), 4, 4);
}

void InfoPicture::DrawOffer(QPainter& painter) const {
    QPainterPath star;
    const QPointF centre(66, 66);
    for (int i = 0; i < 32; ++i) {
        const qreal radius = (i % 2 == 0) ? 62 : 48;
        const qreal angle = qDegreesToRadians(360.0 * i / 32);
        const QPointF point = centre + QPointF(qCos(angle) * radius, qSin(angle) * radius);
        if (i == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    painter.setPen(QPen(kRed, 2));
    painter.setBrush(kGold);
    painter.drawPath(star);
    DrawClover(painter, QPointF(66, 46), 9);
    UseBoldFont(painter, 26);
    painter.setPen(kRed);
    painter.drawText(QRectF(30, 70, 72, 32), Qt::AlignCenter, QStringLiteral("x2"));
}

void InfoPicture::DrawPadlock(QPainter& painter) const {
    painter.setPen(QPen(QColor(0x70, 0x70, 0x78), 10, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(36, 10, 60, 70), 0, 180 * 16);
    painter.drawLine(QPointF(36, 45), QPointF(36, 60));
    painter.drawLine(QPointF(96, 45), QPointF(96, 60));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(kGold);
    painter.drawRoundedRect(QRectF(20, 58, 92, 66), 10, 10);
    DrawClover(painter, QPointF(64, 86), 8);
}

void InfoPicture::DrawSymbols(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x00, 0xe0, 0xe0));
    painter.drawRoundedRect(QRectF(2, 2, 128, 128), 10, 10);
    const QRectF cells[4] = {
        {10, 10, 52, 52}, {70, 10, 52, 52}, {10, 70, 52, 52}, {70, 70, 52, 52}};
    for (const QRectF& cell : cells) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(cell);
    }
    DrawSeven(painter, cells[0]);
    DrawBars(painter, cells[1].adjusted(6, 8, -6, -8), 3);
    DrawBars(painter, cells[2].adjusted(6, 8, -6, -8), 1);
    DrawClover(painter, cells[3].center() - QPointF(3, 4), 8);
}

void InfoPicture::DrawDisc(QPainter& painter) const {
    const QPointF centre(66, 66);
    QConicalGradient sheen(centre, 30);
    sheen.setColorAt(0.0, QColor(0xd8, 0xe8, 0xff));
    sheen.setColorAt(0.25, QColor(0xff, 0xd8, 0xf0));
    sheen.setColorAt(0.5, QColor(0xd8, 0xff, 0xe0));
    sheen.setColorAt(0.75, QColor(0xff, 0xf4, 0xc8));
    sheen.setColorAt(1.0, QColor(0xd8, 0xe8, 0xff));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x70), 2));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, 62, 62);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 26, 26);
    DrawClover(painter, centre - QPointF(3, 5), 7);
    painter.setBrush(palette().window());
    painter.drawEllipse(centre + QPointF(0, 14), 5, 5);
}

} // namespace kelvory
