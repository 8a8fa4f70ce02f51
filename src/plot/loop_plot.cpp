#include "plot/loop_plot.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vork {

namespace {

constexpr double kBorder = 8;    // pixels around the plot area where no labels go
constexpr int kTicksAcross = 8;  // about this many grid lines across
constexpr int kTicksUp = 6;      // and up
const QColor kGridColour{225, 225, 225};
const QColor kFrameColour{128, 128, 128};

QString TickText(double value, const std::vector<double>& ticks) {
    double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1;
    int decimals = step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
    return QString::number(value, 'f', decimals);
}

// The curve's points between `first` and `end`, at most two per pixel column: the lowest and the
// highest of the points falling into it, in the order they came.
QPolygonF Thinned(const std::vector<double>& values, int first, int end, const PlotMapping& map,
                  double columns) {
    QPolygonF line;
    if (end - first <= 2 * columns) {
        for (int i = first; i < end; ++i)
            line << map.ToPixel(i, values[i]);
        return line;
    }
    double perColumn = (end - first) / columns;
    for (int column = 0; column < static_cast<int>(columns); ++column) {
        int from = first + static_cast<int>(column * perColumn);
        int to = std::min(end, first + static_cast<int>((column + 1) * perColumn));
        if (from >= to) continue;
        auto [low, high] = std::minmax_element(values.begin() + from, values.begin() + to);
        auto earlier = std::min(low, high), later = std::max(low, high);
        line << map.ToPixel(earlier - values.begin(), *earlier)
             << map.ToPixel(later - values.begin(), *later);
    }
    return line;
}

void PaintCurve(QPainter& painter, const std::vector<double>& values, const ChartRange& range,
                const PlotMapping& map, double columns, const QColor& colour) {
    int size = static_cast<int>(values.size());
    int first = std::clamp(static_cast<int>(std::floor(range.x.min)) - 1, 0, size);
    int end = std::clamp(static_cast<int>(std::ceil(range.x.max)) + 2, first, size);
    if (end - first < 1) return;
    painter.setPen(QPen(colour, kCurveWidth));
    QPolygonF line = Thinned(values, first, end, map, columns);
    if (line.size() == 1)
        painter.drawPoint(line.front());
    else
        painter.drawPolyline(line);
}

void PaintGrid(QPainter& painter, const QRectF& area, const ChartRange& range,
               const PlotMapping& map) {
    QFontMetricsF metrics(painter.font());
    std::vector<double> across = AxisTicks(range.x, kTicksAcross);
    std::vector<double> up = AxisTicks(range.y, kTicksUp);
    for (double x : across) {
        double px = map.ToPixel(x, range.y.min).x();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        painter.setPen(Qt::black);
        QString text = TickText(x, across);
        double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(px - width / 2, area.bottom() + metrics.ascent() + 3), text);
    }
    for (double y : up) {
        double py = map.ToPixel(range.x.min, y).y();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        painter.setPen(Qt::black);
        QString text = TickText(y, up);
        double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(area.left() - width - 4, py + metrics.ascent() / 2 - 1), text);
    }
}

}  // namespace

QRectF PlotArea(const QRectF& chart, const QFontMetricsF& metrics) {
    double left = metrics.horizontalAdvance("-00000.0") + 6;
    double bottom = metrics.height() + 6;
    return chart.adjusted(left, kBorder, -kBorder - metrics.horizontalAdvance("00") / 2, -bottom);
}

QPointF PlotMapping::ToPixel(double x, double y) const {
    double fx = (x - range_.x.min) / (range_.x.max - range_.x.min);
    double fy = (y - range_.y.min) / (range_.y.max - range_.y.min);
    return {area_.left() + fx * area_.width(), area_.bottom() - fy * area_.height()};
}

QPointF PlotMapping::ToValue(const QPointF& pixel) const {
    double fx = (pixel.x() - area_.left()) / area_.width();
    double fy = (area_.bottom() - pixel.y()) / area_.height();
    return {range_.x.min + fx * (range_.x.max - range_.x.min),
            range_.y.min + fy * (range_.y.max - range_.y.min)};
}

void PaintLoopChart(QPainter& painter, const QRectF& chart, const LoopCurves& curves,
                    const ChartRange& range) {
    painter.save();
    painter.fillRect(chart, Qt::white);
    QRectF area = PlotArea(chart, QFontMetricsF(painter.font()));
    if (area.width() < 2 || area.height() < 2 || !(range.x.max > range.x.min) ||
        !(range.y.max > range.y.min)) {
        painter.restore();
        return;
    }
    PlotMapping map(area, range);
    PaintGrid(painter, area, range, map);
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    double columns = std::max(1.0, std::floor(area.width()));
    PaintCurve(painter, curves.pv, range, map, columns, kPvColour);
    PaintCurve(painter, curves.sp, range, map, columns, kSpColour);
    PaintCurve(painter, curves.co, range, map, columns, kMvColour);
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kFrameColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

}  // namespace vork
