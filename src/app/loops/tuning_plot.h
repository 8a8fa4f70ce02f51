#pragma once

#include <QWidget>
#include <vector>

#include "analysis/response.h"

namespace vork {

// The tuning page's plot: the PV (red) and the output (green) of the data in percent against
// seconds, the fitted model's curve (black, dashed) over the PV from where the fit starts, and
// the cursor (blue) there. A click reports the time under the mouse.
class TuningPlot : public QWidget {
    Q_OBJECT

  public:
    explicit TuningPlot(QWidget* parent);

    // The data, the curve from sample `fitStart` on, and the cursor's sample.
    void Show(const Response& data, const std::vector<double>& curve, size_t fitStart,
              size_t cursor, bool cursorShown);

  Q_SIGNALS:
    void clicked(double seconds);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF Area() const;
    QPointF At(double t, double percent) const;
    void Scale();

    Response data_;
    std::vector<double> curve_;
    size_t fitStart_ = 0;
    size_t cursor_ = 0;
    bool cursorShown_ = false;
    double t0_ = 0, t1_ = 1, low_ = 0, high_ = 100;
};

}  // namespace vork
