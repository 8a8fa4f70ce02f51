#include "plantmaker/equipment.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "plantmaker/style.h"

namespace vork::plantmaker {

using namespace style;

namespace {

// A vertical body with 2:1 dished heads.
QPainterPath VesselPath(const QRectF& r) {
    double head = r.width() / 4;
    QPainterPath path;
    path.moveTo(r.left(), r.top() + head);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), 2 * head), 180, -180);
    path.lineTo(r.right(), r.bottom() - head);
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * head, r.width(), 2 * head), 0, -180);
    path.closeSubpath();
    return path;
}

// A horizontal body with dished ends.
QPainterPath DrumPath(const QRectF& r) {
    double end = r.height() / 4;
    QPainterPath path;
    path.moveTo(r.left() + end, r.top());
    path.lineTo(r.right() - end, r.top());
    path.arcTo(QRectF(r.right() - 2 * end, r.top(), 2 * end, r.height()), 90, -180);
    path.lineTo(r.left() + end, r.bottom());
    path.arcTo(QRectF(r.left(), r.top(), 2 * end, r.height()), 270, -180);
    path.closeSubpath();
    return path;
}

// Liquid up to `level` (0..1) of the height of `r`, inside `shape`.
void FillLiquid(QPainter& p, const QPainterPath& shape, const QRectF& r, double level) {
    if (level <= 0) return;
    double top = r.bottom() - level * r.height();
    p.save();
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(kLiquid);
    p.drawRect(QRectF(r.left(), top, r.width(), r.bottom() - top));
    p.setPen(QPen(kLiquid.darker(130), 1.2));
    p.drawLine(QPointF(r.left(), top), QPointF(r.right(), top));
    p.restore();
}

void DrawShape(QPainter& p, const QPainterPath& path, const QRectF& bounds, double level) {
    EquipmentBrush(p, bounds);
    p.setPen(Qt::NoPen);
    p.drawPath(path);
    FillLiquid(p, path, bounds, level);
    OutlinePen(p);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void DrawAgitator(QPainter& p, const QRectF& r) {
    double x = r.center().x();
    OutlinePen(p, 2);
    p.drawLine(QPointF(x, r.top() - 18), QPointF(x, r.bottom() - r.height() * 0.22));
    double y = r.bottom() - r.height() * 0.22;
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF({{x, y}, {x - 16, y - 5}, {x - 16, y + 5}}));
    p.drawPolygon(QPolygonF({{x, y}, {x + 16, y - 5}, {x + 16, y + 5}}));
    EquipmentBrush(p, QRectF(x - 11, r.top() - 34, 22, 16));
    p.drawRect(QRectF(x - 11, r.top() - 34, 22, 16));
    p.setFont(Font(10, true));
    CentredText(p, QPointF(x, r.top() - 26), "M");
}

// The pump's discharge nozzle leaves the casing along `dir`, tangentially.
QPointF Rotate(QPointF v, Facing facing) {
    switch (facing) {
        case Facing::Right:
            return v;
        case Facing::Left:
            return {-v.x(), v.y()};
        case Facing::Up:
            return {v.y(), -v.x()};
        case Facing::Down:
            return {-v.y(), v.x()};
    }
    return v;
}

}  // namespace

void Draw(QPainter& p, const VesselItem& item) {
    QRectF r = R(item.r);
    if (item.jacket) {
        QRectF j = r.adjusted(-9, r.height() * 0.28, 9, 9);
        QPainterPath jacket = VesselPath(
            QRectF(j.left(), j.top() - j.width() / 4, j.width(), j.height() + j.width() / 4));
        p.save();
        p.setClipRect(QRectF(j.left() - 2, j.top(), j.width() + 4, j.height() + 4));
        p.setBrush(QColor(0xFA, 0xDB, 0xD8));
        OutlinePen(p, 1.6);
        p.drawPath(jacket);
        p.restore();
    }
    DrawShape(p, VesselPath(r), r, item.level);
    if (item.agitator) DrawAgitator(p, r);
}

void Draw(QPainter& p, const TankItem& item) {
    QRectF r = R(item.r);
    QPainterPath body;
    body.addRect(r);
    EquipmentBrush(p, r);
    p.setPen(Qt::NoPen);
    p.drawPath(body);
    FillLiquid(p, body, r, item.level);
    OutlinePen(p, 2.2);
    p.drawPolyline(QPolygonF({r.topLeft(), r.bottomLeft(), r.bottomRight(), r.topRight()}));
    p.drawLine(r.topLeft() + QPointF(-4, 0), r.topLeft() + QPointF(4, 0));
    p.drawLine(r.topRight() + QPointF(-4, 0), r.topRight() + QPointF(4, 0));
}

void Draw(QPainter& p, const DrumItem& item) {
    QRectF r = R(item.r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kMetalDark);
    g.setColorAt(0.35, kMetalLight);
    g.setColorAt(1.0, kMetalDark);
    QPainterPath path = DrumPath(r);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawPath(path);
    FillLiquid(p, path, r, item.level);
    OutlinePen(p);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Draw(QPainter& p, const ColumnItem& item) {
    QRectF r = R(item.r);
    DrawShape(p, VesselPath(r), r, 0);
    double head = r.width() / 4;
    double top = r.top() + head + 8, bottom = r.bottom() - head - 8;
    p.setPen(QPen(kOutline, 1.4));
    for (int i = 0; i < item.trays; ++i) {
        double y = top + (bottom - top) * (i + 0.5) / item.trays;
        bool fromLeft = i % 2 == 0;
        double x0 = fromLeft ? r.left() : r.left() + r.width() * 0.25;
        double x1 = fromLeft ? r.right() - r.width() * 0.25 : r.right();
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    }
}

void Draw(QPainter& p, const ExchangerItem& item) {
    QPointF c = P(item.c);
    double r = item.radius;
    QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    EquipmentBrush(p, box);
    OutlinePen(p);
    p.drawEllipse(box);
    // The tube pass: in on the left, a zigzag, out on the right.
    QPolygonF tube;
    tube << QPointF(c.x() - r, c.y());
    for (int i = 0; i <= 4; ++i)
        tube << QPointF(c.x() - r * 0.55 + i * r * 0.275, c.y() + (i % 2 ? -r * 0.45 : r * 0.45));
    tube << QPointF(c.x() + r, c.y());
    p.setPen(QPen(kOutline, 1.8));
    p.drawPolyline(tube);
}

void Draw(QPainter& p, const FurnaceItem& item) {
    QRectF r = R(item.r);
    double stackW = r.width() * 0.22;
    QPolygonF stack({{r.center().x() - stackW, r.top()},
                     {r.center().x() - stackW / 2, r.top() - r.height() * 0.35},
                     {r.center().x() + stackW / 2, r.top() - r.height() * 0.35},
                     {r.center().x() + stackW, r.top()}});
    EquipmentBrush(p, stack.boundingRect());
    OutlinePen(p);
    p.drawPolygon(stack);
    p.setBrush(QColor(0xF6, 0xE3, 0xD6));
    p.drawRect(r);
    // Refractory lining and the process coil.
    p.setPen(QPen(QColor(0xB0, 0x6A, 0x4A), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(5, 5, -5, -5));
    p.setPen(QPen(kOutline, 2));
    QPolygonF coil;
    int turns = 5;
    for (int i = 0; i <= turns; ++i) {
        double y = r.top() + 16 + i * (r.height() * 0.45) / turns;
        coil << QPointF(r.left() + 16, y) << QPointF(r.right() - 16, y);
        if (i % 2) std::swap(coil[coil.size() - 1], coil[coil.size() - 2]);
    }
    p.drawPolyline(coil);
}

void Draw(QPainter& p, const FlameItem& item) {
    QPointF c = P(item.c);
    double s = item.size;
    QPainterPath flame;
    flame.moveTo(c);
    flame.cubicTo(c + QPointF(-s * 0.6, -s * 0.2), c + QPointF(-s * 0.2, -s * 0.7),
                  c + QPointF(0, -s));
    flame.cubicTo(c + QPointF(s * 0.2, -s * 0.7), c + QPointF(s * 0.6, -s * 0.2), c);
    p.setPen(QPen(kFlame.darker(140), 1));
    p.setBrush(kFlame);
    p.drawPath(flame);
    p.setBrush(kFlameCore);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(0, -s * 0.3), s * 0.14, s * 0.25);
}

void Draw(QPainter& p, const HeaterItem& item) {
    QRectF r = R(item.r);
    p.setBrush(QColor(0xFF, 0xF3, 0xE0));
    OutlinePen(p, 1.6);
    p.drawRect(r);
    QPolygonF zigzag;
    int teeth = 8;
    for (int i = 0; i <= teeth; ++i)
        zigzag << QPointF(r.left() + 6 + i * (r.width() - 12) / teeth,
                          r.center().y() + (i % 2 ? -r.height() * 0.3 : r.height() * 0.3));
    p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 2));
    p.drawPolyline(zigzag);
}

void Draw(QPainter& p, const PumpItem& item) {
    QPointF c = P(item.c);
    double r = item.radius;
    // Base, casing, then the tangential discharge nozzle.
    OutlinePen(p, 1.6);
    p.setBrush(kMetalDark);
    p.drawPolygon(QPolygonF({c + QPointF(-r * 0.8, r * 0.6), c + QPointF(r * 0.8, r * 0.6),
                             c + QPointF(r * 1.1, r * 1.25), c + QPointF(-r * 1.1, r * 1.25)}));
    QPolygonF nozzle({c + Rotate({0, -r}, item.facing), c + Rotate({r * 1.3, -r}, item.facing),
                      c + Rotate({r * 1.3, -r * 0.45}, item.facing),
                      c + Rotate({r * 0.6, -r * 0.45}, item.facing)});
    EquipmentBrush(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    OutlinePen(p);
    p.drawPolygon(nozzle);
    p.drawEllipse(c, r, r);
    p.setBrush(kOutline);
    p.drawEllipse(c, 2.5, 2.5);
}

void Draw(QPainter& p, const CompressorItem& item) {
    QPointF c = P(item.c);
    double s = item.size;
    // Wide at the suction, narrow at the discharge.
    QPolygonF body({c + Rotate({-s, -s}, item.facing), c + Rotate({s, -s * 0.5}, item.facing),
                    c + Rotate({s, s * 0.5}, item.facing), c + Rotate({-s, s}, item.facing)});
    EquipmentBrush(p, body.boundingRect());
    OutlinePen(p);
    p.drawPolygon(body);
}

void Draw(QPainter& p, const MotorItem& item) {
    QPointF c = P(item.c);
    double r = item.radius;
    EquipmentBrush(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    OutlinePen(p, 1.6);
    p.drawEllipse(c, r, r);
    p.setPen(kOutline);
    p.setFont(Font(static_cast<int>(r * 1.1), true));
    CentredText(p, c, "M");
}

void Draw(QPainter& p, const ValveItem& item) {
    p.save();
    p.translate(P(item.c));
    if (item.vertical) p.rotate(90);
    OutlinePen(p, 1.8);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{-13, -9}, {13, 9}, {13, -9}, {-13, 9}}));
    if (item.actuator) {
        double stemX = 0;
        p.drawLine(QPointF(stemX, 0), QPointF(stemX, -22));
        QPainterPath dome;
        dome.moveTo(-12, -22);
        dome.arcTo(QRectF(-12, -34, 24, 24), 180, -180);
        dome.closeSubpath();
        p.setBrush(QColor(0xD6, 0xE4, 0xF0));
        p.drawPath(dome);
    }
    p.restore();
}

void Draw(QPainter& p, const ConveyorItem& item) {
    QPointF a = P(item.from), b = P(item.to);
    QPointF d = b - a;
    double length = std::hypot(d.x(), d.y());
    QPointF u = d / length, n(-u.y(), u.x());
    double r = 9;
    // Belt: top and return strands around the two end pulleys, idlers between.
    p.setPen(QPen(kOutline, 2.2));
    p.drawLine(a - n * r, b - n * r);
    p.drawLine(a + n * r, b + n * r);
    p.setBrush(kMetalDark);
    OutlinePen(p, 1.6);
    p.drawEllipse(a, r, r);
    p.drawEllipse(b, r, r);
    p.setBrush(kOutline);
    int idlers = static_cast<int>(length / 38);
    for (int i = 1; i < idlers; ++i)
        p.drawEllipse(a + u * (length * i / idlers) + n * (r - 3), 2.2, 2.2);
}

void Draw(QPainter& p, const PileItem& item) {
    QRectF r = R(item.r);
    QPolygonF pile({r.bottomLeft(), QPointF(r.center().x(), r.top()), r.bottomRight()});
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xA1, 0x88, 0x7F));
    g.setColorAt(1, QColor(0x79, 0x5C, 0x52));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x5D, 0x40, 0x37), 1.6));
    p.drawPolygon(pile);
    p.setPen(QPen(QColor(0x4E, 0x34, 0x2E), 2.2));
    for (int i = 0; i < 40; ++i) {
        double fx = ((i * 37) % 100) / 100.0, fy = ((i * 61) % 100) / 100.0;
        double y = r.top() + r.height() * (0.25 + 0.7 * fy);
        double half = (y - r.top()) / r.height() * r.width() / 2 * 0.9;
        p.drawPoint(QPointF(r.center().x() - half + 2 * half * fx, y));
    }
}

void Draw(QPainter& p, const MillItem& item) {
    QPointF c = P(item.c);
    double r = item.radius;
    OutlinePen(p, 1.6);
    p.setBrush(kMetalDark);
    p.drawRect(QRectF(c.x() - r * 0.8, c.y() + r * 0.8, r * 1.6, r * 0.45));
    EquipmentBrush(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    OutlinePen(p);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kOutline, 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.setBrush(QColor(0x8D, 0x6E, 0x63));
    p.setPen(Qt::NoPen);
    QPainterPath charge;
    charge.moveTo(c + QPointF(-r * 0.74, r * 0.25));
    charge.quadTo(c + QPointF(0, r * 0.05), c + QPointF(r * 0.7, -r * 0.15));
    charge.arcTo(QRectF(c.x() - r * 0.78, c.y() - r * 0.78, r * 1.56, r * 1.56), 11, -190);
    p.drawPath(charge);
}

void Draw(QPainter& p, const OrificeItem& item) {
    QPointF c = P(item.c);
    OutlinePen(p, 2.4);
    p.drawLine(c + QPointF(-4, -12), c + QPointF(-4, 12));
    p.drawLine(c + QPointF(4, -12), c + QPointF(4, 12));
}

void Draw(QPainter& p, const SourceItem& item) {
    QPointF c = P(item.c);
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(QColor(0xFD, 0xF2, 0xE9));
    p.drawEllipse(c, 16, 16);
    QPolygonF wave;
    for (int i = 0; i <= 24; ++i)
        wave << c + QPointF(-10 + i * 20.0 / 24, -6 * std::sin(i * 2 * M_PI / 24));
    p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 1.6));
    p.drawPolyline(wave);
}

void Draw(QPainter& p, const PolygonItem& item) {
    QPolygonF poly;
    for (Pt pt : item.points)
        poly << P(pt);
    if (item.filled)
        EquipmentBrush(p, poly.boundingRect());
    else
        p.setBrush(Qt::NoBrush);
    OutlinePen(p);
    p.drawPolygon(poly);
}

void Draw(QPainter& p, const EllipseItem& item) {
    QRectF r = R(item.r);
    if (item.filled)
        EquipmentBrush(p, r);
    else
        p.setBrush(Qt::NoBrush);
    OutlinePen(p);
    p.drawEllipse(r);
}

void Draw(QPainter& p, const BoxItem& item) {
    QRectF r = R(item.r);
    if (item.filled)
        EquipmentBrush(p, r);
    else
        p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, item.dashed ? 1.2 : 2, item.dashed ? Qt::DashLine : Qt::SolidLine));
    p.drawRect(r);
}

}  // namespace vork::plantmaker
