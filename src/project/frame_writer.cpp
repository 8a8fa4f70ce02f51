#include "engine/numbers.h"
#include "project/catalogue.h"
#include "project/colour_text.h"
#include "project/frame.h"
#include "project/frame_layout.h"
#include "project/record_grammar.h"
#include "project/value_forms.h"

namespace vork {

namespace {

using namespace frame_layout;

void WriteCatalogue(const VariableTable& vars, LineWriter& out) {
    out.Put(kCatalogueMarker);
    for (int address = kCatalogueFirst; address <= kCatalogueLast; ++address)
        out.Put(CatalogueLine(vars, address));
}

void WriteTracks(const ProjectFrame& frame, LineWriter& out) {
    out.Put(kTracksMarker);
    for (int k = 1; k <= Workspace::kTracks; ++k) {
        const Track& track = frame.workspace.tracks[k - 1];
        out.Put(CapsFlag(track.EntCheck));
        out.Put(track.EntLabel);
        out.Put(IntegerText(track.TrackBack.top));
        out.Put(IntegerText(track.TrackBack.left));
        out.Put(SciText(frame.vars.Read(TrackAddress(k))));
        out.Put(CapsFlag(track.EntTrack));
    }
}

void WriteGroup(const ProjectFrame& frame, const Group& group, LineWriter& out) {
    out.Put(group.marker);
    int count = SlotCount(group.kind);
    for (int slot = 1; slot <= count; ++slot)
        out.Put(WordFlag(frame.records.Filled(group.kind, slot)));
    for (int slot = 1; slot <= count; ++slot)
        if (frame.records.Filled(group.kind, slot))
            frame.records.WriteRecord(group.kind, slot, out);
}

// A controller entry has its top before its left, the other kinds the left before the top.
// The shown flag is the marker's visibility, for calculation blocks the show option itself.
void WriteMarkerEntry(const ObjectMarker& marker, SlotKind kind, LineWriter& out) {
    bool topFirst = kind == SlotKind::Controller;
    out.Put(marker.caption);
    out.Put(IntegerText(topFirst ? marker.top : marker.left));
    out.Put(IntegerText(topFirst ? marker.left : marker.top));
    out.Put(WordFlag(kind == SlotKind::Calc ? marker.checked : marker.visible));
}

void WritePositions(const ProjectFrame& frame, LineWriter& out) {
    out.Put(kPositionsMarker);
    for (SlotKind kind : kPositionOrder) {
        for (int slot = 1; slot <= SlotCount(kind); ++slot) {
            if (!frame.records.Filled(kind, slot)) continue;
            if (kind != SlotKind::Text) {
                WriteMarkerEntry(frame.workspace.Marker(kind, slot), kind, out);
                continue;
            }
            const TextMarker& text = frame.workspace.texts[slot - 1];
            out.Put(IntegerText(text.top));
            out.Put(IntegerText(text.left));
            out.Put(WordFlag(text.visible));
        }
    }
}

// The XY recorder stores no setting: its record is a header and empty items.
void WriteXYRecord(LineWriter& out) {
    RecordWriter record(out, 'X', std::nullopt);
    record.Header(kXYHeader);
    for (int item = 1; item <= kXYItems; ++item)
        record.Item("", "");
}

void WriteShapes(const Workspace& workspace, LineWriter& out) {
    for (const Shape& shape : workspace.shapes) {
        out.Put(IntegerText(shape.referenceTop));
        out.Put(IntegerText(shape.shape.left));
        out.Put(CapsFlag(shape.ImagemCheck));
        out.Put(IntegerText(shape.ImagemTipo));
        out.Put(IntegerText(shape.VariablePosition()));
        out.Put(IntegerText(shape.ImagemTam));
        out.Put(IntegerText(shape.ImagemTamW));
        out.Put(ColourText(shape.ImagemCor1));
        out.Put(ColourText(shape.ImagemCor2));
    }
}

void WriteSwitches(const ProjectFrame& frame, LineWriter& out) {
    for (int k = 1; k <= Workspace::kSwitches; ++k) {
        const SwitchInput& input = frame.workspace.switches[k - 1];
        out.Put(IntegerText(input.top));
        out.Put(IntegerText(input.left));
        out.Put(CapsFlag(input.ChaveCheck));
        out.Put(IntegerText(input.ChaveTipo));
        out.Put(Fixed(frame.vars.Read(SwitchAddress(k)), 0, 1));
    }
}

void WriteButtons(const ProjectFrame& frame, LineWriter& out) {
    const CommandPanel& panel = frame.workspace.commandPanel;
    out.Put(IntegerText(panel.PainelComando.top));
    out.Put(IntegerText(panel.PainelComando.left));
    for (int k = 1; k <= CommandPanel::kButtons; ++k) {
        const PushButton& button = panel.buttons[k - 1];
        out.Put(CapsFlag(button.BotaoCheck));
        out.Put(button.textOff);
        out.Put(button.textOn);
        out.Put(button.description);
        out.Put(Fixed(frame.vars.Read(ButtonAddress(k)), 0, 1));
    }
}

void WriteCharacterizer(const CharacterizerFields& fields, LineWriter& out) {
    out.Put(kCharacterizerMarker);
    out.Put(fields.Lin1EndEnt);
    out.Put(CapsFlag(fields.Lin1Ativar));
    for (const std::string& text : fields.Lin1MV)
        out.Put(text);
    for (const std::string& text : fields.Lin1PV)
        out.Put(text);
}

void WriteComments(const Workspace& workspace, LineWriter& out) {
    out.Put(CapsFlag(workspace.showComments));
    out.Put(kPortugueseBegin);
    for (const std::string& line : workspace.commentsPortuguese)
        out.Put(line);
    out.Put(kPortugueseEnd);
    out.Put(kEnglishBegin);
    for (const std::string& line : workspace.commentsEnglish)
        out.Put(line);
    out.Put(kEnglishEnd);
}

}  // namespace

void WriteFrame(const ProjectFrame& frame, LineWriter& out) {
    out.Put(frame.workspace.Titulo);
    out.Put(frame.workspace.pictureName);
    WriteCatalogue(frame.vars, out);
    WriteTracks(frame, out);
    for (const Group& group : kGroups)
        WriteGroup(frame, group, out);
    WritePositions(frame, out);
    WriteXYRecord(out);
    for (int i = 0; i < kSpareLines; ++i)
        out.Put(kSpare);
    frame.records.WriteGenerator(out);
    WriteShapes(frame.workspace, out);
    WriteSwitches(frame, out);
    WriteButtons(frame, out);
    WriteCharacterizer(frame.characterizer, out);
    WriteComments(frame.workspace, out);
}

}  // namespace vork
