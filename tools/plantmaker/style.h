#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <string>

#include "plantmaker/sheet.h"

// Colours, pens and fonts shared by every drawing of the picture.
namespace vork::plantmaker::style {

inline const QColor kBackground{0xF8, 0xFA, 0xFB};
inline const QColor kOutline{0x34, 0x49, 0x5E};
inline const QColor kMetalLight{0xF4, 0xF7, 0xFA};
inline const QColor kMetalDark{0xC9, 0xD4, 0xDE};
inline const QColor kLiquid{0x9C, 0xC9, 0xEC};
inline const QColor kInstrument{0x1F, 0x4E, 0x79};
inline const QColor kSignal{0x5D, 0x7B, 0x93};
inline const QColor kText{0x26, 0x32, 0x38};
inline const QColor kTextEnglish{0x60, 0x70, 0x7D};
inline const QColor kPlateFill{0xFF, 0xF6, 0xDA};
inline const QColor kPlateBorder{0xB0, 0x89, 0x00};
inline const QColor kFlame{0xF3, 0x9C, 0x12};
inline const QColor kFlameCore{0xF7, 0xDC, 0x6F};

QColor FluidColour(Fluid fluid);

inline QPointF P(Pt p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}
inline QRectF R(const Rect& r) {
    return {static_cast<double>(r.x), static_cast<double>(r.y), static_cast<double>(r.w),
            static_cast<double>(r.h)};
}

QFont Font(int pixels, bool bold = false, bool italic = false);
QString Q(const std::string& utf8);

// Equipment: dark outline, metal shading from left to right across `r`.
void EquipmentBrush(QPainter& p, const QRectF& r);
void OutlinePen(QPainter& p, double width = 2.0);

// Text centred on `c` in one line.
void CentredText(QPainter& p, QPointF c, const QString& text);

}  // namespace vork::plantmaker::style
