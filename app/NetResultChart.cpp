// SPDX-License-Identifier: MIT
#include "app/NetResultChart.h"

#include "game/NetDistribution.h"
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

// The largest step of 1, 2 or 5 times a power of ten up to limit.
double NiceStepAtMost(double limit) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(limit, 1e-9))));
    for (const double factor : {5.0, 2.0}) {
        if (factor * power <= limit) {
            return factor * power;
        }
    }
    return power;
}

} // namespace

NetResultChart::NetResultChart(const ParSheet& sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet) {
    setAccessibleName(QStringLiteral("Net result of this game"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(false);
}

void NetResultChart::SetTrack(std::vector<PlayerStatistics::TrackPoint> track) {
    track_ = std::move(track);
    ComputeBands();
    update();
}

void NetResultChart::ComputeBands() {
    bands_.assign(track_.size(), Band{});
    if (track_.empty()) {
        known_.clear();
        return;
    }
    const std::size_t stride = (track_.size() + kBandPoints - 1) / kBandPoints;
    std::vector<std::size_t> exact;
    for (std::size_t i = 0; i < track_.size(); i += stride) {
        exact.push_back(i);
    }
    if (exact.back() != track_.size() - 1) {
        exact.push_back(track_.size() - 1);
    }
    const auto key = [this](std::size_t i) {
        return std::pair{track_[i].oneCreditSpins, track_[i].twoCreditSpins};
    };
    std::vector<NetDistribution::Mix> missing;
    for (const std::size_t i : exact) {
        if (!known_.contains(key(i))) {
            missing.push_back({track_[i].oneCreditSpins, track_[i].twoCreditSpins});
        }
    }
    const auto quantiles = NetDistribution::QuantilesAfterEach(sheet_, missing, {0.05, 0.5, 0.95});
    for (std::size_t m = 0; m < missing.size(); ++m) {
        known_[{missing[m].oneCreditSpins, missing[m].twoCreditSpins}] =
            Band{double(quantiles[m][0]), double(quantiles[m][1]), double(quantiles[m][2])};
    }
    // Only what this track still needs is kept.
    std::map<std::pair<std::int64_t, std::int64_t>, Band> kept;
    for (const std::size_t i : exact) {
        kept[key(i)] = known_[key(i)];
    }
    known_ = std::move(kept);

    // The quantiles are of the change since the track starts.
    const double start = track_.front().net;
    for (std::size_t e = 0; e < exact.size(); ++e) {
        const std::size_t from = exact[e];
        const Band a = known_[key(from)];
        const std::size_t to = e + 1 < exact.size() ? exact[e + 1] : from;
        const Band b = known_[key(to)];
        for (std::size_t i = from; i <= to; ++i) {
            const auto span = double(track_[to].spin - track_[from].spin);
            const double t = span > 0 ? double(track_[i].spin - track_[from].spin) / span : 0.0;
            const PlayerStatistics::TrackPoint& p = track_[i];
            // Never below what the spins since the start could have lost.
            const double floor = start - double(p.oneCreditSpins + 2 * p.twoCreditSpins);
            bands_[i] = {std::max(floor, start + a.low + t * (b.low - a.low)),
                         start + a.median + t * (b.median - a.median),
                         start + a.high + t * (b.high - a.high)};
        }
    }
}

NetResultChart::Scale NetResultChart::ComputeScale() const {
    Scale scale;
    if (!track_.empty()) {
        scale.minSpin = static_cast<double>(track_.front().spin);
        scale.maxSpin = std::max(static_cast<double>(track_.back().spin), scale.minSpin + 10.0);
        scale.minNet = 0;
        scale.maxNet = 0;
        for (std::size_t i = 0; i < track_.size(); ++i) {
            const PlayerStatistics::TrackPoint& p = track_[i];
            scale.minNet = std::min({scale.minNet, p.net, p.expected, bands_[i].low});
            scale.maxNet = std::max({scale.maxNet, p.net, p.expected, bands_[i].high});
        }
    }
    // A flat track still gets a few whole-number grid lines around it.
    constexpr double kMinSpan = 20.0;
    if (scale.maxNet - scale.minNet < kMinSpan) {
        const double middle = (scale.maxNet + scale.minNet) / 2;
        scale.minNet = middle - kMinSpan / 2;
        scale.maxNet = middle + kMinSpan / 2;
    }
    const double span = scale.maxNet - scale.minNet;
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
    for (std::size_t i = 0; i < track_.size(); ++i) {
        band << MapToWidget(double(track_[i].spin), bands_[i].high);
    }
    for (std::size_t i = track_.size(); i-- > 0;) {
        band << MapToWidget(double(track_[i].spin), bands_[i].low);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColor);
    painter.drawPolygon(band);

    QPolygonF expected;
    QPolygonF median;
    QPolygonF player;
    for (std::size_t i = 0; i < track_.size(); ++i) {
        const auto spin = double(track_[i].spin);
        expected << MapToWidget(spin, track_[i].expected);
        median << MapToWidget(spin, bands_[i].median);
        player << MapToWidget(spin, track_[i].net);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMedianColor, 1.5, Qt::DotLine));
    painter.drawPolyline(median);
    painter.setPen(QPen(kExpectedColor, 1.5, Qt::DashLine));
    painter.drawPolyline(expected);
    painter.setPen(QPen(kPlayerColor, 2.0));
    painter.drawPolyline(player);
    painter.restore();
    DrawLegend(painter, scale);
}

std::vector<double> NetResultChart::NetGridLines(const Scale& scale) const {
    const int rows =
        std::max(3, static_cast<int>(scale.plot.height() / (3 * fontMetrics().height())));
    const double span = scale.maxNet - scale.minNet;
    // Three lines at least, even on a small chart, and whole credits apart:
    // the labels are whole numbers.
    const double netStep = std::max(1.0, std::min(NiceStep(span, rows), NiceStepAtMost(span / 3)));
    std::vector<double> lines;
    for (double net = std::ceil(scale.minNet / netStep) * netStep; net <= scale.maxNet;
         net += netStep) {
        lines.push_back(net);
    }
    return lines;
}

QStringList NetResultChart::NetAxisLabels() const {
    const QLocale locale = QLocale::system();
    QStringList labels;
    for (const double net : NetGridLines(ComputeScale())) {
        labels << locale.toString(static_cast<qlonglong>(std::llround(net)));
    }
    return labels;
}

void NetResultChart::DrawAxes(QPainter& painter, const Scale& scale) const {
    const QLocale locale = QLocale::system();
    const QFontMetrics metrics = fontMetrics();
    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);

    for (const double net : NetGridLines(scale)) {
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
    entry(tr("Median"), [&](const QRectF& r) {
        painter.setPen(QPen(kMedianColor, 1.5, Qt::DotLine));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    entry(tr("90 % range"), [&](const QRectF& r) { painter.fillRect(r, kBandColor); });
}

} // namespace kelvory
