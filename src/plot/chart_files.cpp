#include "plot/chart_files.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "plot/loop_plot.h"

namespace vork {

namespace {

void PaintLegend(QPainter& painter, const QRectF& line) {
    QFontMetricsF metrics(painter.font());
    double x = line.right();
    const std::pair<const char*, QColor> keys[] = {
        {"MV", kMvColour}, {"SP", kSpColour}, {"PV", kPvColour}};
    for (const auto& [name, colour] : keys) {
        x -= metrics.horizontalAdvance(name) + 8;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, line.center().y() + metrics.ascent() / 2 - 1), name);
        x -= 22;
        painter.setPen(QPen(colour, kCurveWidth));
        painter.drawLine(QPointF(x, line.center().y()), QPointF(x + 18, line.center().y()));
        x -= 8;
    }
}

}  // namespace

void PaintChartPicture(QPainter& painter, const QRectF& area, const ChartPicture& picture) {
    painter.fillRect(area, Qt::white);
    QFontMetricsF metrics(painter.font());
    QRectF title(area.left() + 8, area.top(), area.width() - 16, metrics.height() + 8);
    painter.setPen(Qt::black);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, picture.title);
    PaintLegend(painter, title);
    PaintLoopChart(painter, area.adjusted(0, title.height(), 0, 0), picture.curves, picture.range);
}

bool WriteChartPng(const QString& path, const ChartPicture& picture, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintChartPicture(painter, QRectF(QPointF(0, 0), size), picture);
    }
    return image.save(path, "PNG");
}

bool WriteChartSvg(const QString& path, const ChartPicture& picture, QSize size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(picture.title);
    {
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        PaintChartPicture(painter, QRectF(QPointF(0, 0), size), picture);
    }
    return file.error() == QFileDevice::NoError;
}

}  // namespace vork
