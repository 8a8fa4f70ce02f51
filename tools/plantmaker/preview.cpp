#include <QPainter>

#include "plantmaker/example.h"
#include "plantmaker/painter.h"
#include "plantmaker/style.h"

// An approximation of the main window over the picture: enough to see that every marker sits
// where the picture expects it.
namespace vork::plantmaker {

using namespace style;

namespace {

void DrawButton(QPainter& p, const Rect& r, const std::string& caption, const QColor& colour) {
    QRectF box = R(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE1, 0xE1, 0xE1));
    p.drawRect(box);
    p.setPen(Qt::white);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(QColor(0x69, 0x69, 0x69));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.setPen(colour);
    p.setFont(Font(11));
    p.drawText(box, Qt::AlignCenter, Q(caption));
}

void DrawTextMarker(QPainter& p, const Footprint& f) {
    p.setPen(Qt::black);
    p.setFont(Font(11));
    p.drawText(QPointF(f.marker.x, f.marker.y + 10), Q(f.tag));
    p.setPen(QColor(0, 0, 0xFF));
    p.setFont(Font(12, true));
    p.drawText(QPointF(f.marker.x, f.marker.y + 26), Q(f.symbol));
}

void DrawTrack(QPainter& p, const Footprint& f) {
    QRectF frame = R(f.marker);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(frame);
    p.setFont(Font(11));
    p.drawText(frame.topLeft() + QPointF(4, 17), Q(f.tag));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(frame.right() - 64, frame.top() + 4, 58, 18));
    if (frame.height() > 30) {
        p.drawLine(frame.bottomLeft() + QPointF(8, -18), frame.bottomRight() + QPointF(-8, -18));
        p.drawRect(QRectF(frame.center().x() - 5, frame.bottom() - 28, 10, 20));
    }
}

void DrawInput(QPainter& p, const Footprint& f) {
    QRectF area = R(f.marker);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    if (f.kind == FootprintKind::Switch) {
        p.drawRoundedRect(area.adjusted(8, 8, -8, -8), 6, 6);
        p.setBrush(QColor(0x2E, 0x7D, 0x32));
        p.drawEllipse(area.center() + QPointF(6, 0), 8, 8);
    } else if (f.kind == FootprintKind::Shape) {
        p.setBrush(QColor(0, 0xFF, 0));
        p.drawEllipse(area);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawRect(area);
        p.setFont(Font(11));
        p.drawText(area.topLeft() + QPointF(8, 4), "Painel de Comando");
    }
}

}  // namespace

QImage PaintPreview(const QImage& picture, const Example& ex) {
    QImage image = picture.copy();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Footprint& f : ex.footprints()) {
        switch (f.kind) {
            case FootprintKind::Controller:
                DrawButton(p, f.marker, f.tag, f.automatic ? QColor(0, 0, 0xFF) : Qt::red);
                break;
            case FootprintKind::Process:
            case FootprintKind::Calc:
            case FootprintKind::Recorder:
                DrawButton(p, f.marker, f.tag, Qt::black);
                break;
            case FootprintKind::Text:
                DrawTextMarker(p, f);
                break;
            case FootprintKind::Track:
                DrawTrack(p, f);
                break;
            case FootprintKind::Switch:
            case FootprintKind::ButtonPanel:
            case FootprintKind::Shape:
                DrawInput(p, f);
                break;
        }
    }
    return image;
}

}  // namespace vork::plantmaker
