#include "plantmaker/painter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <cmath>

#include "plantmaker/equipment.h"
#include "plantmaker/example.h"
#include "plantmaker/style.h"

namespace vork::plantmaker {

using namespace style;

namespace {

// Lines go under the instruments, the instruments under the tags.
enum class Layer { Signals, Equipment, Pipes, Annotations };

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

QPolygonF Polyline(const std::vector<Pt>& points) {
    QPolygonF line;
    for (Pt pt : points)
        line << P(pt);
    return line;
}

void Arrowhead(QPainter& p, QPointF from, QPointF tip, double length, const QColor& colour) {
    QPointF d = tip - from;
    double n = std::hypot(d.x(), d.y());
    if (n == 0) return;
    QPointF u = d / n, v(-u.y(), u.x());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(
        {tip, tip - u * length + v * length * 0.45, tip - u * length - v * length * 0.45}));
}

void DrawPipe(QPainter& p, const PipeItem& item) {
    if (item.points.size() < 2) return;
    QColor colour = FluidColour(item.fluid);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Polyline(item.points));
    if (item.arrow)
        Arrowhead(p, P(item.points[item.points.size() - 2]), P(item.points.back()), 13, colour);
}

void DrawSignal(QPainter& p, const SignalItem& item) {
    if (item.points.size() < 2) return;
    p.setPen(QPen(kSignal, 1.4, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Polyline(item.points));
    if (item.arrow)
        Arrowhead(p, P(item.points[item.points.size() - 2]), P(item.points.back()), 9, kSignal);
}

void DrawBubble(QPainter& p, const BubbleItem& item) {
    QPointF c = P(item.c);
    p.setPen(QPen(kInstrument, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 22, 22);
    size_t dash = item.tag.find('-');
    std::string letters = item.tag.substr(0, dash);
    std::string number = dash == std::string::npos ? "" : item.tag.substr(dash + 1);
    p.setPen(kInstrument);
    p.setFont(Font(11, true));
    CentredText(p, c + QPointF(0, number.empty() ? 0 : -6), Q(letters));
    p.setFont(Font(11));
    CentredText(p, c + QPointF(0, 8), Q(number));
}

void DrawBlock(QPainter& p, const BlockItem& item) {
    QRectF r = R(item.r);
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(kText);
    QFont f("DejaVu Serif");
    f.setPixelSize(13);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, Q(item.text));
}

void DrawSum(QPainter& p, const SumItem& item) {
    QPointF c = P(item.c);
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 11, 11);
    p.setPen(kText);
    p.setFont(Font(12, true));
    const QPointF offsets[] = {{-17, -9}, {9, -17}, {9, 21}, {17, -9}};
    for (size_t i = 0; i < item.signs.size() && i < 4; ++i)
        CentredText(p, c + offsets[i], QString(QChar(item.signs[i])));
}

void DrawText(QPainter& p, const TextItem& item) {
    QPointF at = P(item.p);
    auto line = [&](const std::string& text, const QFont& font, const QColor& colour, double y) {
        p.setFont(font);
        p.setPen(colour);
        QString s = Q(text);
        double w = QFontMetricsF(font).horizontalAdvance(s);
        double x = item.align == Align::Left     ? at.x()
                   : item.align == Align::Centre ? at.x() - w / 2
                                                 : at.x() - w;
        p.drawText(QPointF(x, y), s);
    };
    QFont pt = Font(item.size, item.bold);
    line(item.text.pt, pt, kText, at.y());
    if (!item.text.en.empty())
        line(item.text.en, Font(item.size - 1, false, true), kTextEnglish, at.y() + item.size + 2);
}

Layer LayerOf(const SheetItem& item) {
    return std::visit(Overloaded{
                          [](const SignalItem&) { return Layer::Signals; },
                          [](const PipeItem&) { return Layer::Pipes; },
                          [](const BubbleItem&) { return Layer::Annotations; },
                          [](const BlockItem&) { return Layer::Annotations; },
                          [](const SumItem&) { return Layer::Annotations; },
                          [](const TextItem&) { return Layer::Annotations; },
                          [](const auto&) { return Layer::Equipment; },
                      },
                      item);
}

void DrawItem(QPainter& p, const SheetItem& item) {
    std::visit(Overloaded{
                   [&](const PipeItem& i) { DrawPipe(p, i); },
                   [&](const SignalItem& i) { DrawSignal(p, i); },
                   [&](const BubbleItem& i) { DrawBubble(p, i); },
                   [&](const BlockItem& i) { DrawBlock(p, i); },
                   [&](const SumItem& i) { DrawSum(p, i); },
                   [&](const TextItem& i) { DrawText(p, i); },
                   [&](const auto& i) { Draw(p, i); },
               },
               item);
}

void TagText(QPainter& p, const Rect& marker, const std::string& tag, const QColor& colour) {
    p.setPen(colour);
    p.setFont(Font(11, true));
    CentredText(p, R(marker).center(), Q(tag));
}

// Circle in a square: a function of the control system, shown to the operator.
void DrawControllerSymbol(QPainter& p, const Footprint& f) {
    QPointF c = R(f.marker).center();
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 28, c.y() - 28, 56, 56));
    p.drawEllipse(c, 27, 27);
    TagText(p, f.marker, f.tag, kInstrument);
}

// Hexagon of a computing function, with its function flag.
void DrawCalcSymbol(QPainter& p, const Footprint& f) {
    QPointF c = R(f.marker).center();
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + QPointF(-44, 0), c + QPointF(-30, -22), c + QPointF(30, -22),
                             c + QPointF(44, 0), c + QPointF(30, 22), c + QPointF(-30, 22)}));
    TagText(p, f.marker, f.tag, kInstrument);
    if (f.symbol.empty()) return;
    QRectF flag(c.x() + 34, c.y() - 34, 20, 20);
    p.setPen(QPen(kInstrument, 1.2));
    p.setBrush(QColor(0xEA, 0xF2, 0xFB));
    p.drawRect(flag);
    p.setPen(kInstrument);
    p.setFont(Font(f.symbol.size() > 2 ? 9 : 13, true));
    p.drawText(flag, Qt::AlignCenter, Q(f.symbol));
}

void DrawPlate(QPainter& p, const Footprint& f, const QColor& fill, const QColor& border) {
    p.setPen(QPen(border, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(R(f.marker), 4, 4);
    TagText(p, f.marker, f.tag, kText);
}

void DrawRecorderSymbol(QPainter& p, const Footprint& f) {
    DrawPlate(p, f, QColor(0xE8, 0xF5, 0xE9), QColor(0x2E, 0x7D, 0x32));
    QRectF icon(f.marker.x - 26, f.marker.y, 22, kMarkerHeight);
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(icon);
    p.drawPolyline(QPolygonF({icon.bottomLeft() + QPointF(3, -6), icon.center() + QPointF(-3, 2),
                              icon.center() + QPointF(2, -5), icon.topRight() + QPointF(-3, 6)}));
}

// The readout behind an animated text; the main window writes description and value on it.
void DrawReadout(QPainter& p, const Footprint& f) {
    p.setPen(QPen(QColor(0xB0, 0xBE, 0xC5), 1));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 0xD0));
    p.drawRoundedRect(R(f.reserved), 4, 4);
}

// A block that stands for a field instrument: a plain bubble.
void DrawInstrumentSymbol(QPainter& p, const Footprint& f) {
    QPointF c = R(f.marker).center();
    p.setPen(QPen(kInstrument, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, kInstrumentRadius, kInstrumentRadius);
    TagText(p, f.marker, f.tag, kInstrument);
}

void DrawFootprint(QPainter& p, const Footprint& f) {
    if (f.instrument) {
        DrawInstrumentSymbol(p, f);
        return;
    }
    switch (f.kind) {
        case FootprintKind::Controller:
            DrawControllerSymbol(p, f);
            break;
        case FootprintKind::Process:
            DrawPlate(p, f, kPlateFill, kPlateBorder);
            break;
        case FootprintKind::Calc:
            DrawCalcSymbol(p, f);
            break;
        case FootprintKind::Recorder:
            DrawRecorderSymbol(p, f);
            break;
        case FootprintKind::Text:
            DrawReadout(p, f);
            break;
        case FootprintKind::Track:
            p.setPen(QPen(QColor(0xB0, 0xBE, 0xC5), 1));
            p.setBrush(QColor(0xEC, 0xEF, 0xF1));
            p.drawRect(R(f.reserved));
            break;
        case FootprintKind::Switch:
        case FootprintKind::ButtonPanel:
        case FootprintKind::Shape:
            break;
    }
}

}  // namespace

QImage PaintPicture(const Example& ex) {
    QImage image(Sheet::kWidth, Sheet::kHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (Layer layer : {Layer::Signals, Layer::Equipment, Layer::Pipes, Layer::Annotations})
        for (const SheetItem& item : ex.sheet().items)
            if (LayerOf(item) == layer) DrawItem(p, item);
    for (const Footprint& f : ex.footprints())
        DrawFootprint(p, f);
    return image;
}

QImage Thumbnail(const QImage& picture) {
    return picture.scaled(kThumbnailWidth, kThumbnailHeight, Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
}

}  // namespace vork::plantmaker
