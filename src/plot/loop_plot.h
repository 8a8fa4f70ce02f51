#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include "fastsim/chart_range.h"
#include "fastsim/loop_curves.h"

namespace vork {

// The curves of a loop chart in drawing order, with their colours: PV red, SP blue, MV green.
inline const QColor kPvColour{Qt::red};
inline const QColor kSpColour{Qt::blue};
inline const QColor kMvColour{0, 128, 0};
inline constexpr int kCurveWidth = 2;  // pixels

// Where a loop chart's curves go inside `chart`: room to the left and below for the axis labels
// in `font`'s size, a small border elsewhere.
QRectF PlotArea(const QRectF& chart, const QFontMetricsF& metrics);

// Between the chart's values and the pixels of its plot area.
class PlotMapping {
  public:
    PlotMapping(const QRectF& area, const ChartRange& range) : area_(area), range_(range) {}
    QPointF ToPixel(double x, double y) const;
    // The values under a pixel: x in points, y in the curves' units.
    QPointF ToValue(const QPointF& pixel) const;

  private:
    QRectF area_;
    ChartRange range_;
};

// Draws one loop chart: white background, grid and axis labels, and the three curves within
// `range`, each thinned to at most two points per pixel column so that a page of 14400 points
// draws as fast as one of 900. The window, the picture files and `vork-sim run --plot` all draw
// with it.
void PaintLoopChart(QPainter& painter, const QRectF& chart, const LoopCurves& curves,
                    const ChartRange& range);

}  // namespace vork
