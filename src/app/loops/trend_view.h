#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "windows/trend_panel.h"

class QPainter;

namespace vork {

// One trace to draw: the plot point it reads and its colour. Thick traces take pen width 2
// while "Linha Grossa" is ticked.
struct TraceStyle {
    int point = 0;
    QColor colour;
    bool followsThickLines = true;
};

// The plot `Image1` of a trend panel, shared by the controller faceplate and the trend recorder:
// white, the silver grid scrolling with the grid phase, the traces from the oldest sample to the
// newest, and the cursor markers of a paused faceplate. It paints only what the panel holds.
class TrendView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = TrendRing::kSize;
    static constexpr int kHeight = TrendRing::kHeight + 1;

    TrendView(const TrendPanel& panel, QWidget* parent);

    // The traces to draw at each paint, in drawing order.
    void SetTraces(std::function<std::vector<TraceStyle>()> traces);

    void Paint(QPainter& painter) const;
    // The plot as a picture, as on screen.
    QImage Picture() const;
    // The plot as a vector drawing; false when the file cannot be written.
    bool SaveSvg(const QString& path, const QString& title) const;

  Q_SIGNALS:
    void clicked(QPoint at);
    void doubleClicked();
    void menuRequested(QPoint globalAt);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PaintGrid(QPainter& painter) const;
    void PaintTraces(QPainter& painter) const;
    void PaintMarkers(QPainter& painter) const;

    const TrendPanel& panel_;
    std::function<std::vector<TraceStyle>()> traces_;
};

}  // namespace vork
