// SPDX-License-Identifier: MIT
#pragma once

#include "game/PlayerStatistics.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

namespace kelvory {

// The chart of the statistics window: the current game's net result spin by
// spin (a line), what the odds expect (a dashed line), and from the exact
// distribution of the result for the stakes played the range it stays in with
// 90 % probability (a shaded band from its 5 % to its 95 % point) and its
// median (a dotted line).
class NetResultChart : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kBandColor{196, 218, 244};
    static inline const QColor kExpectedColor{40, 80, 160};
    static inline const QColor kPlayerColor{200, 30, 30};
    static inline const QColor kMedianColor{90, 140, 90};
    // The band is worked out exactly at about this many points of the track,
    // evenly spread, the first and the last among them, and drawn straight
    // between them.
    static constexpr std::size_t kBandPoints = 40;

    // The net result's 5 % point, median and 95 % point at a point of the track.
    struct Band {
        double low = 0;
        double median = 0;
        double high = 0;
    };

    explicit NetResultChart(const ParSheet& sheet, QWidget* parent = nullptr);

    void SetTrack(std::vector<PlayerStatistics::TrackPoint> track);
    const std::vector<PlayerStatistics::TrackPoint>& Track() const { return track_; }

    // Where a spin count and a net result are drawn, for the current size.
    QPointF MapToWidget(double spin, double net) const;
    // The labels of the net-result axis, bottom to top, for the current size.
    QStringList NetAxisLabels() const;
    // The band at each point of the track.
    const std::vector<Band>& Bands() const { return bands_; }

    QSize sizeHint() const override { return {480, 260}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Scale {
        QRectF plot;
        double minSpin = 0;
        double maxSpin = 1;
        double minNet = -1;
        double maxNet = 1;
    };
    Scale ComputeScale() const;
    // The net results of the axis's grid lines, bottom to top.
    std::vector<double> NetGridLines(const Scale& scale) const;
    void DrawAxes(QPainter& painter, const Scale& scale) const;
    void DrawLegend(QPainter& painter, const Scale& scale) const;

    void ComputeBands();

    const ParSheet& sheet_;
    std::vector<PlayerStatistics::TrackPoint> track_;
    std::vector<Band> bands_;
    // Quantiles already worked out, by the spins at each stake.
    std::map<std::pair<std::int64_t, std::int64_t>, Band> known_;
};

} // namespace kelvory
