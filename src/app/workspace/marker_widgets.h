#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStaticText>
#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace vork {

// An object marker `Control`n, `Proce`n, `Bloc`n, `Reg`n: a plain raised button, drawn simply
// because a synoptic shows dozens of them and repaints them all.
class MarkerButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStaticText caption_;  // laid out once per caption and font
};

// A label that reports clicks: the animated texts' value labels and the sliders' captions.
class ClickableLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  Q_SIGNALS:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The plant picture `Image1`: the bitmap at its own size, drawn as it is. It is not enabled, so
// clicks reach the synoptic beneath it.
class PlantPicture : public QWidget {
    Q_OBJECT

  public:
    explicit PlantPicture(QWidget* parent);
    // Loads any picture Qt reads; false, and the picture hidden, when it cannot be read.
    bool Load(const QString& path);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
};

// An animated shape `Shape`n: a filled ellipse or rectangle.
class ShapeWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ShapeWidget(QWidget* parent);
    void SetLook(bool circle, const QColor& brush);

  Q_SIGNALS:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool circle_ = true;
    QColor brush_;
};

// A picture drawn from a vector resource at the widget's size, crisp at any scale: the switch
// and push-button pictures.
class VectorPicture : public QWidget {
    Q_OBJECT

  public:
    VectorPicture(const QString& resource, QWidget* parent);

  Q_SIGNALS:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSvgRenderer* renderer_;
    QPixmap drawn_;  // the picture at the widget's size, drawn once
};

// The background of a slider `TrackBack`n.
class TrackFrame : public QFrame {
    Q_OBJECT

  public:
    explicit TrackFrame(QWidget* parent);

  Q_SIGNALS:
    void pressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vork
