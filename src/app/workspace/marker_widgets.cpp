#include "app/workspace/marker_widgets.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace vork {

namespace {

bool Inside(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

}  // namespace

void MarkerButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect face = rect().adjusted(0, 0, -1, -1);
    const QPalette& colours = palette();
    painter.fillRect(face, colours.button());
    QColor light = isDown() ? colours.color(QPalette::Dark) : colours.color(QPalette::Light);
    QColor dark = isDown() ? colours.color(QPalette::Light) : colours.color(QPalette::Dark);
    painter.setPen(light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    painter.setPen(colours.color(QPalette::Shadow));
    painter.drawRect(face);
    painter.setPen(colours.color(QPalette::ButtonText));
    if (caption_.text() != text()) {
        caption_.setText(text());
        caption_.setTextFormat(Qt::PlainText);
    }
    caption_.prepare(QTransform(), font());
    QSizeF extent = caption_.size();
    QPointF at((width() - extent.width()) / 2, (height() - extent.height()) / 2);
    painter.drawStaticText(at + QPointF(isDown() ? 1 : 0, isDown() ? 1 : 0), caption_);
}

// Clicks on a marker stay with it: the synoptic beneath takes a click as one on the picture.
void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (Inside(this, event)) Q_EMIT clicked();
}

PlantPicture::PlantPicture(QWidget* parent) : QWidget(parent) {
    setEnabled(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

bool PlantPicture::Load(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) return false;
    pixmap_ = QPixmap::fromImage(image);
    resize(pixmap_.size());
    show();
    update();
    return true;
}

void PlantPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {}

void ShapeWidget::SetLook(bool circle, const QColor& brush) {
    if (circle == circle_ && brush == brush_) return;
    circle_ = circle;
    brush_ = brush;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, circle_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(brush_);
    QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (circle_)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}

void ShapeWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) Q_EMIT pressed();
}

void ShapeWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

VectorPicture::VectorPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {}

void VectorPicture::paintEvent(QPaintEvent*) {
    qreal ratio = devicePixelRatioF();
    QSize pixels = size() * ratio;
    if (drawn_.size() != pixels) {
        drawn_ = QPixmap(pixels);
        drawn_.fill(Qt::transparent);
        QPainter onPixmap(&drawn_);
        renderer_->render(&onPixmap, QRectF(QPointF(0, 0), QSizeF(pixels)));
        drawn_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

void VectorPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void VectorPicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (Inside(this, event)) Q_EMIT clicked();
}

TrackFrame::TrackFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(0xe8, 0xe8, 0xe8));
    setPalette(look);
}

void TrackFrame::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) Q_EMIT pressed();
}

void TrackFrame::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace vork
