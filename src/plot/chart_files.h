#pragma once

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include "fastsim/chart_range.h"
#include "fastsim/loop_curves.h"

namespace vork {

// A loop chart as a file shows it: a title line with the curves' legend above the chart.
struct ChartPicture {
    const LoopCurves& curves;
    ChartRange range;
    QString title;
};

inline constexpr QSize kChartFileSize{1000, 500};  // pixels, or points for SVG

// Draws the picture with its title line into `area`.
void PaintChartPicture(QPainter& painter, const QRectF& area, const ChartPicture& picture);

// Writes the picture as a PNG or an SVG file; false when the file cannot be written.
bool WriteChartPng(const QString& path, const ChartPicture& picture, QSize size = kChartFileSize);
bool WriteChartSvg(const QString& path, const ChartPicture& picture, QSize size = kChartFileSize);

}  // namespace vork
