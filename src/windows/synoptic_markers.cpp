#include "windows/synoptic_markers.h"

#include <array>
#include <cstdio>

#include "plant/addresses.h"

namespace vork {

static_assert(static_cast<int>(MarkerFamily::Controller) ==
                  static_cast<int>(ObjectKind::Controller) &&
              static_cast<int>(MarkerFamily::Process) == static_cast<int>(ObjectKind::Process) &&
              static_cast<int>(MarkerFamily::Calc) == static_cast<int>(ObjectKind::Calc) &&
              static_cast<int>(MarkerFamily::Recorder) == static_cast<int>(ObjectKind::Recorder) &&
              static_cast<int>(MarkerFamily::Text) == static_cast<int>(ObjectKind::Text));

namespace {

struct CodeRange {
    int first;  // move code of the first marker of the range
    MarkerFamily family;
    int firstN;
    int count;
};

// The move-code table. Blocks 21 to 24 were added late, hence their low codes.
constexpr std::array<CodeRange, 14> kCodes = {{
    {2, MarkerFamily::Controller, 1, 10},
    {14, MarkerFamily::Process, 24, 1},
    {15, MarkerFamily::Calc, 24, 1},
    {16, MarkerFamily::Process, 21, 3},
    {19, MarkerFamily::Calc, 21, 3},
    {23, MarkerFamily::Process, 1, 20},
    {43, MarkerFamily::Recorder, 1, 10},
    {53, MarkerFamily::Calc, 1, 20},
    {73, MarkerFamily::Text, 1, 20},
    {95, MarkerFamily::Shape, 1, 5},
    {100, MarkerFamily::Switch, 1, 2},
    {102, MarkerFamily::Panel, 1, 1},
    {103, MarkerFamily::Track, 1, 6},
    {0, MarkerFamily::Controller, 0, 0},
}};

std::string AddressHint(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "Saída em M%02d", address);
    return text;
}

}  // namespace

int MarkerCount(MarkerFamily family) {
    switch (family) {
        case MarkerFamily::Controller:
            return SlotCount(SlotKind::Controller);
        case MarkerFamily::Process:
            return SlotCount(SlotKind::Process);
        case MarkerFamily::Calc:
            return SlotCount(SlotKind::Calc);
        case MarkerFamily::Recorder:
            return SlotCount(SlotKind::Recorder);
        case MarkerFamily::Text:
            return SlotCount(SlotKind::Text);
        case MarkerFamily::Shape:
            return 5;
        case MarkerFamily::Switch:
            return 2;
        case MarkerFamily::Panel:
            return 1;
        case MarkerFamily::Track:
            return 6;
    }
    return 0;
}

std::string MarkerName(MarkerId id) {
    std::string n = std::to_string(id.n);
    switch (id.family) {
        case MarkerFamily::Controller:
            return "Control" + n;
        case MarkerFamily::Process:
            // Process blocks 2 to 10 kept the lower-case name they were first given.
            return (id.n >= 2 && id.n <= 10 ? "proce" : "Proce") + n;
        case MarkerFamily::Calc:
            return "Bloc" + n;
        case MarkerFamily::Recorder:
            return "Reg" + n;
        case MarkerFamily::Text:
            return "Texto" + n;
        case MarkerFamily::Shape:
            return "Shape" + n;
        case MarkerFamily::Switch:
            return "Chave" + n + "p1";
        case MarkerFamily::Panel:
            return "PainelComando";
        case MarkerFamily::Track:
            return "TrackBack" + n;
    }
    return {};
}

std::string MarkerHint(MarkerId id) {
    switch (id.family) {
        case MarkerFamily::Controller:
            return AddressHint(ControllerOutputAddress(id.n));
        case MarkerFamily::Process:
            return AddressHint(ProcessOutputAddress(id.n));
        case MarkerFamily::Calc:
            return AddressHint(CalcOutputAddress(id.n));
        case MarkerFamily::Switch:
            return AddressHint(SwitchAddress(id.n));
        case MarkerFamily::Track:
            return "output at M" + std::to_string(TrackAddress(id.n));
        default:
            return {};
    }
}

int MoveCode(MarkerId id) {
    for (const CodeRange& r : kCodes)
        if (r.family == id.family && id.n >= r.firstN && id.n < r.firstN + r.count)
            return r.first + id.n - r.firstN;
    return 0;
}

std::optional<MarkerId> MarkerOfMoveCode(int code) {
    for (const CodeRange& r : kCodes)
        if (r.count > 0 && code >= r.first && code < r.first + r.count)
            return MarkerId{r.family, r.firstN + code - r.first};
    return std::nullopt;
}

std::optional<ObjectRef> ObjectOfMarker(MarkerId id) {
    if (static_cast<int>(id.family) > static_cast<int>(MarkerFamily::Text)) return std::nullopt;
    // The object families and the object kinds share their order.
    return ObjectRef{static_cast<ObjectKind>(id.family), id.n};
}

MarkerId MarkerOfObject(ObjectRef ref) {
    return {static_cast<MarkerFamily>(ref.kind), ref.slot};
}

}  // namespace vork
