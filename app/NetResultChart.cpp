// SPDX-License-Identifier: MIT
#include "app/NetResultChart.h"

#include "game/ParSheet.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kelvory {

namespace {

// A round step for about `count` grid lines over `span`: 1, 2 or 5 times a
// power of ten.
double NiceStep(double span, int count) {
    const double raw = std::max(span / std::max(count, 1), 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

} // namespace

NetResultChart::NetResultChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Net result of this game"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(false);
}

void NetResultChart::SetTrack(std::vector<PlayerStatistics::TrackPoint> track) {
    track_ = std::move(track);
    update();
}

double NetResultChart::BandHalfWidth(const PlayerStatistics::TrackPoint& point) {
    return 1.6448536269514722 * std::sqrt(std::max(point.variance, 0.0));
}

NetResultChart::Scale NetResultChart::ComputeScale() const {
    Scale scale;
    if (!track_.empty()) {
        scale.minSpin = static_cast<double>(track_.front().spin);
        scale.maxSpin = std::max(static_cast<double>(track_.back().spin), scale.minSpin + 10.0);
        scale.minNet = 0;
        scale.maxNet = 0;
        for (const PlayerStatistics::TrackPoint& p : track_) {
            const double half = BandHalfWidth(p);
            scale.minNet = std::min({scale.minNet, p.net, p.expected - half});
            scale.maxNet = std::max({scale.maxNet, p.net, p.expected + half});
        }
    }
    const double span = std::max(scale.maxNet - scale.minNet, 10.0);
    scale.minNet -= span * 0.05;
    scale.maxNet += span * 0.05;

    const QFontMetrics metrics = fontMetrics();
    const QLocale locale = QLocale::system();
    const int labelWidth =
        std::max(metrics.horizontalAdvance(
                     locale.toString(static_cast<qlonglong>(std::floor(scale.minNet)))),
                 metrics.horizontalAdvance(
                     locale.toString(static_cast<qlonglong>(std::ceil(scale.maxNet)))));
    const double left = labelWidth + 10.0;
    // Room for half of the last spin count, centred under the right edge.
    const double right = std::max(10.0, metrics.horizontalAdvance(locale.toString(
                                            static_cast<qlonglong>(std::llround(scale.maxSpin)))) /
                                                2.0 +
                                            4.0);
    const double top = metrics.height() + 8.0;
    const double bottom = metrics.height() + 8.0;
    scale.plot = QRectF(left, top, std::max(width() - left - right, 10.0),
                        std::max(height() - top - bottom, 10.0));
    return scale;
}

QPointF NetResultChart::MapToWidget(double spin, double net) const {
    const Scale s = ComputeScale();
    const double x = s.plot.left() + (spin - s.minSpin) / (s.maxSpin - s.minSpin) * s.plot.width();
    const double y = s.plot.bottom() - (net - s.minNet) / (s.maxNet - s.minNet) * s.plot.height();
    return {x, y};
}

void NetResultChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const Scale scale = ComputeScale();
    DrawAxes(painter, scale);
    if (track_.empty()) {
        return;
    }

    painter.save();
    painter.setClipRect(scale.plot);
    QPolygonF band;
    for (const PlayerStatistics::TrackPoint& p : track_) {
        band << MapToWidget(double(p.spin), p.expected + BandHalfWidth(p));
    }
    for (auto it = track_.rbegin(); it != track_.rend(); ++it) {
        band << MapToWidget(double(it->spin), it->expected - BandHalfWidth(*it));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColor);
    painter.drawPolygon(band);

    QPolygonF expected;
    QPolygonF player;
    for (const PlayerStatistics::TrackPoint& p : track_) {
        expected << MapToWidget(double(p.spin), p.expected);
        player << MapToWidget(double(p.spin), p.net);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kExpectedColor, 1.5, Qt::DashLine));
    painter.drawPolyline(expected);
    painter.setPen(QPen(kPlayerColor, 2.0));
    painter.drawPolyline(player);
    painter.restore();
    DrawLegend(painter, scale);
}

void NetResultChart::DrawAxes(QPainter& painter, const Scale& scale) const {
    const QLocale locale = QLocale::system();
    const QFontMetrics metrics = fontMetrics();
    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);

    const int rows = std::max(3, static_cast<int>(scale.plot.height() / (3 * metrics.height())));
    const double netStep = NiceStep(scale.maxNet - scale.minNet, rows);
    for (double net = std::ceil(scale.minNet / netStep) * netStep; net <= scale.maxNet;
         net += netStep) {
        const double y = MapToWidget(scale.minSpin, net).y();
        painter.setPen(QPen(grid, net == 0 ? 1.5 : 0.5));
        painter.drawLine(QPointF(scale.plot.left(), y), QPointF(scale.plot.right(), y));
        painter.setPen(text);
        const QString label = locale.toString(static_cast<qlonglong>(std::llround(net)));
        painter.drawText(
            QRectF(0, y - metrics.height(), scale.plot.left() - 5, 2 * metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, label);
    }

    const int columns = std::max(2, static_cast<int>(scale.plot.width() / (6 * metrics.height())));
    const double spinStep = std::max(1.0, NiceStep(scale.maxSpin - scale.minSpin, columns));
    for (double spin = std::ceil(scale.minSpin / spinStep) * spinStep; spin <= scale.maxSpin;
         spin += spinStep) {
        const double x = MapToWidget(spin, scale.minNet).x();
        painter.setPen(QPen(grid, 0.5));
        painter.drawLine(QPointF(x, scale.plot.top()), QPointF(x, scale.plot.bottom()));
        painter.setPen(text);
        const QString label = locale.toString(static_cast<qlonglong>(std::llround(spin)));
        painter.drawText(QRectF(x - 50, scale.plot.bottom() + 2, 100, metrics.height() + 4),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scale.plot);
}

void NetResultChart::DrawLegend(QPainter& painter, const Scale& scale) const {
    const QFontMetrics metrics = fontMetrics();
    const int h = metrics.height();
    double x = scale.plot.left();
    const double y = 4;
    const auto entry = [&](const QString& label, auto drawSample) {
        drawSample(QRectF(x, y + h / 4.0, 2 * h, h / 2.0));
        x += 2 * h + 4;
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPointF(x, y + metrics.ascent()), label);
        x += metrics.horizontalAdvance(label) + h;
    };
    entry(tr("You"), [&](const QRectF& r) {
        painter.setPen(QPen(kPlayerColor, 2.0));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    entry(tr("Expected"), [&](const QRectF& r) {
        painter.setPen(QPen(kExpectedColor, 1.5, Qt::DashLine));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    entry(tr("90 % range"), [&](const QRectF& r) { painter.fillRect(r, kBandColor); });
}

} // namespace kelvory
