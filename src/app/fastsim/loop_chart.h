#pragma once

#include <QPoint>
#include <QWidget>

#include "windows/fast_simulation_window.h"

class QRubberBand;

namespace vork {

// One loop chart of the fast-simulation window (`ChartM`n, `ChartH`n): drawn by the shared loop
// chart painter from the window model, with a cross-hair cursor. While the model allows the
// mouse zoom, dragging down and to the right zooms to the rectangle and dragging the other way
// undoes the zoom. Its context menu exports the chart.
class LoopChart : public QWidget {
    Q_OBJECT

  public:
    LoopChart(FastSimulationWindow& model, ChartRow row, int loop, QWidget* parent);

    ChartRow row() const { return row_; }
    int loop() const { return loop_; }
    // The chart's values under a pixel of the widget.
    QPointF ValueAt(const QPoint& pixel) const;

  Q_SIGNALS:
    // A mouse zoom or its undo changed the model's axes.
    void zoomChanged();
    void exportRequested(vork::ExportFormat format);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    FastSimulationWindow& model_;
    ChartRow row_;
    int loop_;
    QRubberBand* band_ = nullptr;
    QPoint dragStart_;
    bool dragging_ = false;
};

}  // namespace vork
