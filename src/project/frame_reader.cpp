#include <array>
#include <map>

#include "project/catalogue.h"
#include "project/colour_text.h"
#include "project/frame.h"
#include "project/frame_layout.h"
#include "project/value_forms.h"

namespace vork {

namespace {

using namespace frame_layout;

// One pass over the file: the reader keeps the slots the file flagged, since the marker
// positions section holds entries for exactly those.
class FrameReader {
  public:
    FrameReader(const ProjectFrame& frame, LineReader& in) : frame_(frame), in_(in) {}

    std::vector<std::string> Read(std::string_view fileName);

  private:
    void Progress(int percent) const {
        if (frame_.progress) frame_.progress(percent);
    }
    std::string Bilingual() { return LanguagePart(in_.Next(), frame_.language); }
    int Integer() { return ReadInteger(in_.Next()); }
    int StrictInteger() { return in_.StrictInteger(in_.Next()); }
    bool CapsFlag() { return ReadCapsFlag(in_.Next()); }

    void ReadHeader(std::string_view fileName);
    std::string ReadCatalogue(std::string line);
    void ReadTracks(const std::string& line);
    void ReadTrack(int k);
    void ReadGroup(const Group& group);
    void ReadPositions();
    void ReadMarkerEntry(ObjectMarker& marker, SlotKind kind);
    void ReadTextEntry(TextMarker& marker);
    void ReadShape(Shape& shape);
    void ReadSwitch(int k);
    void ReadButtons();
    void ReadCharacterizer();
    void ReadComments();
    void ReadCommentBlock(std::vector<std::string>& lines, std::string_view end);

    const ProjectFrame& frame_;
    LineReader& in_;
    Workspace& ws_ = frame_.workspace;
    std::map<SlotKind, std::vector<int>> flagged_;
    std::vector<std::string> messages_;
};

std::vector<std::string> FrameReader::Read(std::string_view fileName) {
    Progress(5);
    ReadHeader(fileName);
    std::string afterCatalogue = ReadCatalogue(in_.Next());
    if (frame_.catalogueRead) frame_.catalogueRead();
    ReadTracks(afterCatalogue);
    Progress(10);
    for (const Group& group : kGroups) {
        if (group.kind != SlotKind::Controller) in_.Skip();
        ReadGroup(group);
        Progress(group.progressAfter);
    }
    ReadPositions();
    in_.Skip(1 + kXYItems + kSpareLines);
    Progress(95);
    frame_.records.ReadGenerator(in_);
    for (Shape& shape : ws_.shapes)
        ReadShape(shape);
    for (int k = 1; k <= Workspace::kSwitches; ++k)
        ReadSwitch(k);
    ReadButtons();
    ReadCharacterizer();
    ReadComments();
    return std::move(messages_);
}

void FrameReader::ReadHeader(std::string_view fileName) {
    std::string title = in_.Next();
    ws_.Titulo = title.empty() ? std::string(fileName) : LanguagePart(title, frame_.language);
    ws_.pictureName = in_.Next();
}

// Returns the line after the catalogue, or `line` itself when the file has none.
std::string FrameReader::ReadCatalogue(std::string line) {
    if (line != kCatalogueMarker) {
        SetCatalogueDefaults(frame_.vars);
        return line;
    }
    for (int address = kCatalogueFirst; address <= kCatalogueLast; ++address)
        ReadCatalogueLine(in_.Next(), frame_.vars, address);
    return in_.Next();
}

// Either way the controller group's marker line is consumed without being compared: it is
// `line` itself when the file has no slider section.
void FrameReader::ReadTracks(const std::string& line) {
    if (line != kTracksMarker) return;
    for (int k = 1; k <= Workspace::kTracks; ++k)
        ReadTrack(k);
    in_.Skip();
}

void FrameReader::ReadTrack(int k) {
    Track& track = ws_.tracks[k - 1];
    bool shown = CapsFlag();
    track.EntCheck = shown;
    track.EntLabel = Bilingual();
    frame_.vars.SetDescription(TrackAddress(k), track.EntLabel);
    int top = StrictInteger();
    int left = StrictInteger();
    double value = ReadReal(in_.Next());
    track.EntTrack = CapsFlag();
    track.PlaceGroup(top, left);
    if (shown) track.Show();
    frame_.vars.Write(TrackAddress(k), value);
    track.barPosition = Track::BarPosition(value);
}

void FrameReader::ReadGroup(const Group& group) {
    std::vector<int>& slots = flagged_[group.kind];
    for (int slot = 1; slot <= SlotCount(group.kind); ++slot)
        if (ReadWordFlag(in_.Next())) slots.push_back(slot);
    for (int slot : slots)
        frame_.records.Fill(group.kind, slot);
    for (int slot : slots) {
        std::vector<std::string> checks = frame_.records.ReadRecord(group.kind, slot, in_);
        messages_.insert(messages_.end(), checks.begin(), checks.end());
    }
}

void FrameReader::ReadPositions() {
    in_.Skip();
    Progress(90);
    for (SlotKind kind : kPositionOrder) {
        for (int slot : flagged_[kind]) {
            if (kind == SlotKind::Text)
                ReadTextEntry(ws_.texts[slot - 1]);
            else
                ReadMarkerEntry(ws_.Marker(kind, slot), kind);
        }
    }
}

void FrameReader::ReadMarkerEntry(ObjectMarker& marker, SlotKind kind) {
    marker.caption = in_.Next();
    int first = Integer();
    int second = Integer();
    bool topFirst = kind == SlotKind::Controller;
    marker.top = topFirst ? first : second;
    marker.left = topFirst ? second : first;
    marker.checked = ReadWordFlag(in_.Next());
}

// The description label sits 13 pixels above the value label.
void FrameReader::ReadTextEntry(TextMarker& marker) {
    marker.top = Integer();
    marker.left = Integer();
    marker.labelTop = marker.top - 13;
    marker.labelLeft = marker.left;
    marker.checked = ReadWordFlag(in_.Next());
}

void FrameReader::ReadShape(Shape& shape) {
    shape.referenceTop = Integer();
    shape.shape.top = shape.referenceTop;
    shape.shape.left = Integer();
    shape.ImagemCheck = CapsFlag();
    shape.shape.visible = shape.ImagemCheck;
    shape.ImagemTipo = Integer();
    shape.SelectVariable(Integer());
    shape.ImagemTam = Integer();
    shape.ImagemTamW = Integer();
    // A colour line in neither form leaves the colour as it was.
    shape.ImagemCor1 = ParseColour(in_.Next()).value_or(shape.ImagemCor1);
    shape.ImagemCor2 = ParseColour(in_.Next()).value_or(shape.ImagemCor2);
}

void FrameReader::ReadSwitch(int k) {
    SwitchInput& input = ws_.switches[k - 1];
    input.top = Integer();
    input.left = Integer();
    input.ChaveCheck = CapsFlag();
    input.ChaveTipo = Integer();
    double value = ReadReal(in_.Next());
    frame_.vars.Write(SwitchAddress(k), value);
    if (input.ChaveCheck) input.ShowPictureFor(value);
}

void FrameReader::ReadButtons() {
    CommandPanel& panel = ws_.commandPanel;
    panel.PainelComando.top = Integer();
    panel.PainelComando.left = Integer();
    for (int k = 1; k <= CommandPanel::kButtons; ++k) {
        if (k == CommandPanel::kButtons) Progress(100);
        PushButton& button = panel.buttons[k - 1];
        button.BotaoCheck = CapsFlag();
        button.textOff = Bilingual();
        button.textOn = Bilingual();
        button.description = Bilingual();
        double value = ReadReal(in_.Next());
        frame_.vars.Write(ButtonAddress(k), value);
        if (button.BotaoCheck) button.ShowPictureFor(value);
    }
    panel.FitToButtons();
}

void FrameReader::ReadCharacterizer() {
    CharacterizerFields& fields = frame_.characterizer;
    in_.Skip();
    fields.Lin1EndEnt = in_.Next();
    fields.Lin1Ativar = CapsFlag();
    for (std::string& text : fields.Lin1MV)
        text = in_.Next();
    for (std::string& text : fields.Lin1PV)
        text = in_.Next();
}

// Both blocks are kept, each in its language's lines; the panel shows those of the interface
// language. Either block also ends at the end of the file.
void FrameReader::ReadComments() {
    ws_.showComments = CapsFlag();
    in_.Skip();
    ReadCommentBlock(ws_.commentsPortuguese, kPortugueseEnd);
    in_.Skip();
    ReadCommentBlock(ws_.commentsEnglish, kEnglishEnd);
}

void FrameReader::ReadCommentBlock(std::vector<std::string>& lines, std::string_view end) {
    while (!in_.AtEnd()) {
        std::string line = in_.Next();
        if (line == end) return;
        lines.push_back(std::move(line));
    }
}

}  // namespace

std::vector<std::string> ReadFrame(const ProjectFrame& frame, LineReader& in,
                                   std::string_view fileName) {
    return FrameReader(frame, in).Read(fileName);
}

}  // namespace vork
