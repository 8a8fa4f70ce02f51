#include "app/loops/trend_view.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QSvgGenerator>

namespace vork {

TrendView::TrendView(const TrendPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setObjectName("Image1");
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendView::SetTraces(std::function<std::vector<TraceStyle>()> traces) {
    traces_ = std::move(traces);
    update();
}

void TrendView::Paint(QPainter& painter) const {
    painter.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);
    PaintGrid(painter);
    PaintTraces(painter);
    PaintMarkers(painter);
}

void TrendView::PaintGrid(QPainter& painter) const {
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    for (int y : TrendPanel::HorizontalGridY())
        painter.drawLine(0, y, kWidth, y);
    for (int x : TrendPanel::VerticalGridX(panel_.data().ring))
        if (x >= 0) painter.drawLine(x, 0, x, kHeight);
}

void TrendView::PaintTraces(QPainter& painter) const {
    if (!traces_) return;
    const TrendRing& ring = panel_.data().ring;
    std::vector<int> order = ring.OldestToNewest();
    QPolygon line(static_cast<int>(order.size()));
    for (const TraceStyle& trace : traces_()) {
        for (int i = 0; i < line.size(); ++i) {
            int point =
                ring.At(order[static_cast<size_t>(i)]).points[static_cast<size_t>(trace.point)];
            line.setPoint(i, i, TrendRing::kHeight - point);
        }
        int width = trace.followsThickLines && panel_.thickLines ? 2 : 1;
        painter.setPen(QPen(trace.colour, width));
        painter.drawPolyline(line);
    }
}

void TrendView::PaintMarkers(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 1));
    for (size_t i = 0; i < panel_.cursorMarkers.size(); ++i) {
        const CursorMarker& m = panel_.cursorMarkers[i];
        if (!m.visible || !panel_.cursorPanelVisible) continue;
        painter.drawEllipse(QPoint(m.x, m.y), 3, 3);
        painter.drawText(QPoint(m.labelX, m.labelY + 10), QString::number(i + 1));
    }
}

QImage TrendView::Picture() const {
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    Paint(painter);
    return picture;
}

bool TrendView::SaveSvg(const QString& path, const QString& title) const {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kWidth, kHeight));
    svg.setViewBox(QRect(0, 0, kWidth, kHeight));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    Paint(painter);
    return painter.end();
}

void TrendView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void TrendView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT clicked(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void TrendView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT doubleClicked();
}

void TrendView::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT menuRequested(event->globalPos());
}

}  // namespace vork
