#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/windows1252.h"
#include "project/frame.h"
#include "project/record_grammar.h"

namespace vork::testing {

// Record lines per kind (header included), as the object records lay them out.
inline int RecordLines(SlotKind kind) {
    switch (kind) {
        case SlotKind::Controller:
            return 30;
        case SlotKind::Process:
            return 26;
        case SlotKind::Calc:
            return 8;
        case SlotKind::Recorder:
            return 10;
        case SlotKind::Text:
            return 9;
    }
    return 0;
}

// Stands in for the object classes: a record is a header, a tag, a strict integer and filler
// items, so the frame can be walked with the real record sizes.
class FakeRecords : public ObjectRecords {
  public:
    using Key = std::pair<SlotKind, int>;

    Language language = Language::Portuguese;
    std::map<Key, std::string> tags;  // filled slots and their tags
    std::map<Key, int> numbers;       // the strict integer item of each record
    std::vector<std::string> generator = std::vector<std::string>(80, "0");
    std::vector<std::string> calls;  // "fill C3", "read C3", in call order

    void Put(SlotKind kind, int slot, std::string tag, int number = 0) {
        tags[{kind, slot}] = std::move(tag);
        numbers[{kind, slot}] = number;
    }

    bool Filled(SlotKind kind, int slot) const override { return tags.count({kind, slot}) > 0; }

    void WriteRecord(SlotKind kind, int slot, LineWriter& out) const override {
        RecordWriter record(out, Letter(kind), PrefixIdentifier(kind, slot));
        record.Header(RecordHeader("=====<<<FAKE:", IdentityNumber(kind, slot)));
        record.Item("Tag:", tags.at({kind, slot}));
        record.Item("Indice:", std::to_string(numbers.at({kind, slot})));
        for (int item = 3; item < RecordLines(kind); ++item)
            record.Item("Item:", std::to_string(item));
    }

    void WriteGenerator(LineWriter& out) const override {
        RecordWriter record(out, 'P', std::nullopt);
        record.Header("<Parametros>");
        for (const std::string& value : generator)
            record.Item("", value);
    }

    void Fill(SlotKind kind, int slot) override {
        calls.push_back("fill " + Name(kind, slot));
        tags[{kind, slot}];
    }

    std::vector<std::string> ReadRecord(SlotKind kind, int slot, LineReader& in) override {
        calls.push_back("read " + Name(kind, slot));
        RecordReader record(
            in, PrefixIdentifier(kind, slot) ? kPrefixWithIdentifier : kPrefixWithoutIdentifier);
        record.SkipHeader();
        tags[{kind, slot}] = record.Bilingual("Tag:", language);
        numbers[{kind, slot}] = record.StrictInteger("Indice:");
        for (int item = 3; item < RecordLines(kind); ++item)
            record.Text("Item:");
        return {"checked " + Name(kind, slot)};
    }

    void ReadGenerator(LineReader& in) override {
        RecordReader record(in, kPrefixWithoutIdentifier);
        record.SkipHeader();
        for (std::string& value : generator)
            value = record.Text("");
    }

  private:
    // Recorder and animated text items carry no identifier in their prefix.
    static std::optional<int> PrefixIdentifier(SlotKind kind, int slot) {
        bool display = kind == SlotKind::Recorder || kind == SlotKind::Text;
        return display ? std::nullopt : std::optional<int>(IdentityNumber(kind, slot));
    }
    static char Letter(SlotKind kind) {
        switch (kind) {
            case SlotKind::Controller:
                return 'C';
            case SlotKind::Process:
                return 'P';
            case SlotKind::Calc:
                return 'B';
            case SlotKind::Recorder:
                return 'R';
            case SlotKind::Text:
                return 'T';
        }
        return '?';
    }
    static std::string Name(SlotKind kind, int slot) {
        return std::string(1, Letter(kind)) + std::to_string(slot);
    }
};

// A project's frame data with a fake for the object records.
struct FakeProject {
    Workspace workspace;
    VariableTable vars;
    CharacterizerFields characterizer;
    FakeRecords records;
    std::vector<int> progress;

    explicit FakeProject(Language language = Language::Portuguese) {
        vars.ResetNewProject();
        records.language = language;
        this->language = language;
    }

    ProjectFrame Frame() {
        return {workspace, vars,     characterizer,
                records,   language, [this](int percent) { progress.push_back(percent); },
                nullptr};
    }

    std::string Write() {
        LineWriter out;
        WriteFrame(Frame(), out);
        return out.Text();
    }

    std::vector<std::string> Read(const std::string& utf8, std::string_view fileName = "file") {
        LineReader in(ToWindows1252(utf8));
        return ReadFrame(Frame(), in, fileName);
    }

    Language language;
};

// Splits CR LF text into lines.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace vork::testing
