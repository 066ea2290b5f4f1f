// SPDX-License-Identifier: MIT
#pragma once

#include "game/PlayerStatistics.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <vector>

namespace kelvory {

// The chart of the statistics window: the current game's net result spin by
// spin (a line), what the odds expect (a dashed line) and the range the
// result stays in with 90 % probability (a shaded band around it).
class NetResultChart : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kBandColor{196, 218, 244};
    static inline const QColor kExpectedColor{40, 80, 160};
    static inline const QColor kPlayerColor{200, 30, 30};

    explicit NetResultChart(QWidget* parent = nullptr);

    void SetTrack(std::vector<PlayerStatistics::TrackPoint> track);
    const std::vector<PlayerStatistics::TrackPoint>& Track() const { return track_; }

    // Where a spin count and a net result are drawn, for the current size.
    QPointF MapToWidget(double spin, double net) const;
    // The half-width of the band, in credits, at a point of the track.
    static double BandHalfWidth(const PlayerStatistics::TrackPoint& point);

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
    void DrawAxes(QPainter& painter, const Scale& scale) const;
    void DrawLegend(QPainter& painter, const Scale& scale) const;

    std::vector<PlayerStatistics::TrackPoint> track_;
};

} // namespace kelvory
