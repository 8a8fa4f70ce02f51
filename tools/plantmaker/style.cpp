#include "plantmaker/style.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace vork::plantmaker::style {

QColor FluidColour(Fluid fluid) {
    switch (fluid) {
        case Fluid::Process:
            return {0x37, 0x47, 0x4F};
        case Fluid::Water:
            return {0x1E, 0x6F, 0xB8};
        case Fluid::Steam:
            return {0xC0, 0x39, 0x2B};
        case Fluid::Gas:
            return {0xC7, 0x8E, 0x0A};
        case Fluid::Air:
            return {0x48, 0x9C, 0x8E};
        case Fluid::Fuel:
            return {0x8E, 0x5B, 0x2E};
        case Fluid::Solids:
            return {0x6D, 0x4C, 0x41};
    }
    return kOutline;
}

QFont Font(int pixels, bool bold, bool italic) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void EquipmentBrush(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, kMetalDark);
    g.setColorAt(0.35, kMetalLight);
    g.setColorAt(1.0, kMetalDark);
    p.setBrush(g);
}

void OutlinePen(QPainter& p, double width) {
    p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void CentredText(QPainter& p, QPointF c, const QString& text) {
    QFontMetricsF m(p.font());
    double w = m.horizontalAdvance(text);
    p.drawText(QPointF(c.x() - w / 2, c.y() + (m.ascent() - m.descent()) / 2), text);
}

}  // namespace vork::plantmaker::style
