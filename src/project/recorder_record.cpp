#include "plant/addresses.h"
#include "plant/simulation.h"
#include "plant/trend_recorder.h"
#include "plant/trend_time_base.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kOpening = "=====<<<REGISTRADOR:";

namespace key {
constexpr std::string_view Tag = "Tag:", Desc = "Desc:", Pen1 = "Ind Lista Var1:",
                           Label1 = "Desc Var1:", Pen2 = "Ind Lista Var2:", Label2 = "Desc Var2:",
                           Pen3 = "Ind Lista Var3:", Label3 = "Desc Var3:",
                           TimeBase = "Ind Lista Base Tempo:";
}  // namespace key

// Pen 1 lists M01..M124; pens 2 and 3 add "Nenhum".
constexpr int kPen1Entries = TrendRecorder::kLongListEntries;
constexpr int kPen23Entries = TrendRecorder::kLongListEntries + 1;
constexpr int kTimeBaseEntries = 3;

}  // namespace

void WriteRecorderRecord(const TrendRecorder& r, LineWriter& out) {
    const TrendRecorderFields& f = r.fields;
    RecordWriter record(out, 'R', std::nullopt);
    record.Header(RecordHeader(kOpening, RecorderNumber(r.slot())));
    record.Item(key::Tag, f.TagText);
    record.Item(key::Desc, f.DescricaoText);
    record.Item(key::Pen1, IntegerText(f.Variavel1Select));
    record.Item(key::Label1, f.penText1);
    record.Item(key::Pen2, IntegerText(f.Variavel2Select));
    record.Item(key::Label2, f.penText2);
    record.Item(key::Pen3, IntegerText(f.Variavel3Select));
    record.Item(key::Label3, f.penText3);
    record.Item(key::TimeBase, IntegerText(r.trend.settings.BaseTempoBox));
}

void ReadRecorderRecord(TrendRecorder& r, Simulation& sim, LineReader& in) {
    TrendRecorderFields& f = r.fields;
    Language language = sim.language;
    RecordReader record(in, kPrefixWithoutIdentifier);
    record.SkipHeader();
    f.TagText = record.Bilingual(key::Tag, language);
    f.DescricaoText = record.Bilingual(key::Desc, language);
    f.Variavel1Select = ListPosition(record.StrictInteger(key::Pen1), kPen1Entries, kNoSelection);
    f.penText1 = record.Bilingual(key::Label1, language);
    f.Variavel2Select = ListPosition(record.StrictInteger(key::Pen2), kPen23Entries, kNoSelection);
    f.penText2 = record.Bilingual(key::Label2, language);
    f.Variavel3Select = ListPosition(record.StrictInteger(key::Pen3), kPen23Entries, kNoSelection);
    f.penText3 = record.Bilingual(key::Label3, language);
    r.trend.settings.BaseTempoBox =
        ListPosition(record.StrictInteger(key::TimeBase), kTimeBaseEntries,
                     static_cast<int>(TimeBase::ThreeSeconds));
    r.Rescale(sim);
}

}  // namespace vork
