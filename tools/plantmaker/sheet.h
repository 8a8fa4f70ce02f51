#pragma once

#include <string>
#include <variant>
#include <vector>

// The plant picture as a list of drawing items in picture pixels, written by an example's
// description and painted by the painter. Plain C++, so descriptions need no Qt.
namespace vork::plantmaker {

struct Pt {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;  // left
    int y = 0;  // top
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    Pt Centre() const { return {x + w / 2, y + h / 2}; }
    bool Overlaps(const Rect& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    bool Inside(const Rect& o) const {
        return x >= o.x && y >= o.y && Right() <= o.Right() && Bottom() <= o.Bottom();
    }
};

// What a line carries; sets its colour.
enum class Fluid { Process, Water, Steam, Gas, Air, Fuel, Solids };

enum class Align { Left, Centre, Right };

// Which way a pump or compressor discharges.
enum class Facing { Right, Left, Up, Down };

// A label in both languages; the English part is drawn below in italics when given.
struct Label {
    Label(const char* pt) : pt(pt) {}  // NOLINT: a name that is the same in both languages
    Label(std::string pt = "", std::string en = "") : pt(std::move(pt)), en(std::move(en)) {}
    std::string pt;
    std::string en;
};

struct PipeItem {
    std::vector<Pt> points;
    Fluid fluid = Fluid::Process;
    bool arrow = true;  // flow arrow at the end
};
struct SignalItem {
    std::vector<Pt> points;
    bool arrow = false;
};
// Vertical vessel with dished heads; level is the liquid fill, 0 for none.
struct VesselItem {
    Rect r;
    double level = 0.0;
    bool jacket = false;
    bool agitator = false;
};
// Open-top tank with a flat bottom.
struct TankItem {
    Rect r;
    double level = 0.0;
};
// Horizontal drum with dished ends.
struct DrumItem {
    Rect r;
    double level = 0.0;
};
struct ColumnItem {
    Rect r;
    int trays = 8;
};
// Shell-and-tube exchanger drawn as the circle with a tube pass across it.
struct ExchangerItem {
    Pt c;
    int radius = 26;
};
struct FurnaceItem {
    Rect r;
};
// Burner flame pointing up, with its base at `c`.
struct FlameItem {
    Pt c;
    int size = 24;
};
// Electric heating element (zigzag) in a rectangle.
struct HeaterItem {
    Rect r;
};
struct PumpItem {
    Pt c;
    Facing facing = Facing::Right;
    int radius = 16;
};
struct CompressorItem {
    Pt c;
    Facing facing = Facing::Right;
    int size = 26;
};
struct MotorItem {
    Pt c;
    int radius = 12;
};
// Control valve (with actuator) or hand valve, centred on its body.
struct ValveItem {
    Pt c;
    bool vertical = false;
    bool actuator = true;
};
struct ConveyorItem {
    Pt from;
    Pt to;
};
struct PileItem {
    Rect r;
};
struct MillItem {
    Pt c;
    int radius = 40;
};
// Orifice plate across a horizontal line.
struct OrificeItem {
    Pt c;
};
// A signal from the signal generator entering the plant (a sine in a circle).
struct SourceItem {
    Pt c;
};
// Instrument bubble of a field instrument that is not a simulation object ("TT" over "101").
struct BubbleItem {
    Pt c;
    std::string tag;
};
// A block-diagram block (models, dead times, functions).
struct BlockItem {
    Rect r;
    std::string text;
};
// Summing junction with the signs at its inputs.
struct SumItem {
    Pt c;
    std::string signs;  // for example "+-+": left, top, bottom
};
struct TextItem {
    Pt p;
    Label text;
    Align align = Align::Left;
    int size = 12;  // pixels
    bool bold = false;
};
// Free shapes for equipment without a primitive.
struct PolygonItem {
    std::vector<Pt> points;
    bool filled = true;
};
struct EllipseItem {
    Rect r;
    bool filled = true;
};
struct BoxItem {
    Rect r;
    bool filled = true;
    bool dashed = false;
};

using SheetItem =
    std::variant<PipeItem, SignalItem, VesselItem, TankItem, DrumItem, ColumnItem, ExchangerItem,
                 FurnaceItem, FlameItem, HeaterItem, PumpItem, CompressorItem, MotorItem, ValveItem,
                 ConveyorItem, PileItem, MillItem, OrificeItem, SourceItem, BubbleItem, BlockItem,
                 SumItem, TextItem, PolygonItem, EllipseItem, BoxItem>;

// The items in drawing order: later items cover earlier ones.
class Sheet {
  public:
    static constexpr int kWidth = 1040;  // pixels
    static constexpr int kHeight = 640;

    void Pipe(std::vector<Pt> points, Fluid fluid = Fluid::Process, bool arrow = true) {
        items.push_back(PipeItem{std::move(points), fluid, arrow});
    }
    void Signal(std::vector<Pt> points, bool arrow = false) {
        items.push_back(SignalItem{std::move(points), arrow});
    }
    void Vessel(Rect r, double level = 0.0, bool jacket = false, bool agitator = false) {
        items.push_back(VesselItem{r, level, jacket, agitator});
    }
    void Tank(Rect r, double level = 0.0) { items.push_back(TankItem{r, level}); }
    void Drum(Rect r, double level = 0.0) { items.push_back(DrumItem{r, level}); }
    void Column(Rect r, int trays = 8) { items.push_back(ColumnItem{r, trays}); }
    void Exchanger(Pt c, int radius = 26) { items.push_back(ExchangerItem{c, radius}); }
    void Furnace(Rect r) { items.push_back(FurnaceItem{r}); }
    void Flame(Pt c, int size = 24) { items.push_back(FlameItem{c, size}); }
    void Heater(Rect r) { items.push_back(HeaterItem{r}); }
    void Pump(Pt c, Facing facing = Facing::Right) { items.push_back(PumpItem{c, facing}); }
    void Compressor(Pt c, Facing facing = Facing::Right) {
        items.push_back(CompressorItem{c, facing});
    }
    void Motor(Pt c) { items.push_back(MotorItem{c}); }
    void ControlValve(Pt c, bool vertical = false) {
        items.push_back(ValveItem{c, vertical, true});
    }
    void HandValve(Pt c, bool vertical = false) { items.push_back(ValveItem{c, vertical, false}); }
    void Conveyor(Pt from, Pt to) { items.push_back(ConveyorItem{from, to}); }
    void Pile(Rect r) { items.push_back(PileItem{r}); }
    void Mill(Pt c, int radius = 40) { items.push_back(MillItem{c, radius}); }
    void Orifice(Pt c) { items.push_back(OrificeItem{c}); }
    void Source(Pt c) { items.push_back(SourceItem{c}); }
    void Bubble(Pt c, std::string tag) { items.push_back(BubbleItem{c, std::move(tag)}); }
    void Block(Rect r, std::string text) { items.push_back(BlockItem{r, std::move(text)}); }
    void Sum(Pt c, std::string signs) { items.push_back(SumItem{c, std::move(signs)}); }
    void Text(Pt p, Label text, Align align = Align::Left, int size = 12, bool bold = false) {
        items.push_back(TextItem{p, std::move(text), align, size, bold});
    }
    void Polygon(std::vector<Pt> points, bool filled = true) {
        items.push_back(PolygonItem{std::move(points), filled});
    }
    void Ellipse(Rect r, bool filled = true) { items.push_back(EllipseItem{r, filled}); }
    void Box(Rect r, bool filled = true, bool dashed = false) {
        items.push_back(BoxItem{r, filled, dashed});
    }

    std::vector<SheetItem> items;
};

}  // namespace vork::plantmaker
