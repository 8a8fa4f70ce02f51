#include "app/fastsim/loop_chart.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>

#include "plot/loop_plot.h"

namespace vork {

namespace {

constexpr int kSmallestDrag = 4;  // pixels; a shorter drag is a click

}  // namespace

LoopChart::LoopChart(FastSimulationWindow& model, ChartRow row, int loop, QWidget* parent)
    : QWidget(parent), model_(model), row_(row), loop_(loop) {
    setObjectName(QString(row == ChartRow::Upper ? "ChartM%1" : "ChartH%1").arg(loop));
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
}

QPointF LoopChart::ValueAt(const QPoint& pixel) const {
    PlotMapping map(PlotArea(QRectF(rect()), QFontMetricsF(font())), model_.range(row_, loop_));
    return map.ToValue(QPointF(pixel));
}

void LoopChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintLoopChart(painter, QRectF(rect()), model_.curves(row_, loop_), model_.range(row_, loop_));
}

void LoopChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !model_.mouseZoomAllowed(row_, loop_)) return;
    dragStart_ = event->position().toPoint();
    dragging_ = true;
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
    band_->setGeometry(QRect(dragStart_, QSize()));
    band_->show();
}

void LoopChart::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) band_->setGeometry(QRect(dragStart_, event->position().toPoint()).normalized());
}

void LoopChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    band_->hide();
    QPoint end = event->position().toPoint();
    QPoint drag = end - dragStart_;
    if (std::max(std::abs(drag.x()), std::abs(drag.y())) < kSmallestDrag) return;
    if (drag.x() > 0 && drag.y() > 0) {
        QPointF topLeft = ValueAt(dragStart_), bottomRight = ValueAt(end);
        model_.MouseZoom(row_, loop_,
                         {{topLeft.x(), bottomRight.x()}, {bottomRight.y(), topLeft.y()}});
    } else {
        model_.MouseUndoZoom(row_, loop_);
    }
    Q_EMIT zoomChanged();
}

void LoopChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    for (const auto& [component, format] : kExportEntries) {
        QAction* action = menu.addAction(QString::fromStdString(model_.Text(component)));
        ExportFormat chosen = format;
        connect(action, &QAction::triggered, this,
                [this, chosen] { Q_EMIT exportRequested(chosen); });
    }
    menu.exec(event->globalPos());
}

}  // namespace vork
