#include "app/loops/tuning_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vork {

namespace {

constexpr int kLeftMargin = 30, kMargin = 4, kBottomMargin = 14;

void Extend(const std::vector<double>& values, double& low, double& high) {
    for (double v : values) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

}  // namespace

TuningPlot::TuningPlot(QWidget* parent) : QWidget(parent) {
    setObjectName("TuningPlot");
    setMinimumSize(160, 90);
    setCursor(Qt::CrossCursor);
}

void TuningPlot::Show(const Response& data, const std::vector<double>& curve, size_t fitStart,
                      size_t cursor, bool cursorShown) {
    data_ = data;
    curve_ = curve;
    fitStart_ = fitStart;
    cursor_ = cursor;
    cursorShown_ = cursorShown && cursor < data.size();
    Scale();
    update();
}

// Both traces and the curve on one percent scale, a little wider than what they span.
void TuningPlot::Scale() {
    if (data_.size() < 2) {
        t0_ = 0, t1_ = 1, low_ = 0, high_ = 100;
        return;
    }
    t0_ = data_.t.front();
    t1_ = data_.t.back();
    double low = data_.pv.front(), high = low;
    Extend(data_.pv, low, high);
    Extend(data_.co, low, high);
    Extend(curve_, low, high);
    double pad = std::max(1.0, 0.05 * (high - low));
    low_ = low - pad;
    high_ = high + pad;
}

QRectF TuningPlot::Area() const {
    return QRectF(kLeftMargin, kMargin, width() - kLeftMargin - kMargin,
                  height() - kMargin - kBottomMargin);
}

QPointF TuningPlot::At(double t, double percent) const {
    QRectF a = Area();
    return {a.left() + a.width() * (t - t0_) / (t1_ - t0_),
            a.bottom() - a.height() * (percent - low_) / (high_ - low_)};
}

void TuningPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRectF a = Area();
    p.fillRect(rect(), palette().window());
    p.fillRect(a, Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(a);
    p.setPen(palette().windowText().color());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    p.setFont(small);
    p.drawText(QRectF(0, a.top() - 2, kLeftMargin - 2, 14), Qt::AlignRight | Qt::AlignTop,
               QString::number(high_, 'f', 0));
    p.drawText(QRectF(0, a.bottom() - 12, kLeftMargin - 2, 14), Qt::AlignRight | Qt::AlignBottom,
               QString::number(low_, 'f', 0));
    p.drawText(QRectF(a.left(), a.bottom(), a.width(), kBottomMargin), Qt::AlignLeft,
               QString::number(t0_, 'f', 0) + " s");
    p.drawText(QRectF(a.left(), a.bottom(), a.width(), kBottomMargin), Qt::AlignRight,
               QString::number(t1_, 'f', 0) + " s");
    if (data_.size() < 2) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(a);
    auto trace = [&](const std::vector<double>& values, size_t first, QPen pen) {
        QPainterPath path(At(data_.t[first], values[0]));
        for (size_t i = 1; i < values.size(); ++i)
            path.lineTo(At(data_.t[first + i], values[i]));
        p.setPen(pen);
        p.drawPath(path);
    };
    if (cursorShown_) {
        p.setPen(QPen(Qt::blue, 1, Qt::DotLine));
        double x = At(data_.t[cursor_], 0).x();
        p.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
    }
    trace(data_.co, 0, QPen(QColor(0, 160, 0), 1.5));
    trace(data_.pv, 0, QPen(Qt::red, 1.5));
    if (!curve_.empty() && fitStart_ + curve_.size() <= data_.size())
        trace(curve_, fitStart_, QPen(Qt::black, 1.5, Qt::DashLine));
}

void TuningPlot::mousePressEvent(QMouseEvent* event) {
    QRectF a = Area();
    if (event->button() != Qt::LeftButton || a.width() <= 0) return;
    double share = (event->position().x() - a.left()) / a.width();
    Q_EMIT clicked(t0_ + std::clamp(share, 0.0, 1.0) * (t1_ - t0_));
}

}  // namespace vork
