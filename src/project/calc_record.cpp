#include "plant/calc_block.h"
#include "plant/simulation.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kOpening = "=====<<<BLOCO CALC:";

namespace key {
constexpr std::string_view Tag = "Tag:", Desc = "Desc:", Function = "Funcao:", Upper = "Lim Sup:",
                           Lower = "Lim Inf:", UpperOn = "Habilita Lim Sup:",
                           LowerOn = "Habilita Lim Inf:";
}  // namespace key

}  // namespace

void WriteCalcRecord(const CalcBlock& b, LineWriter& out) {
    const CalcBlockFields& f = b.fields;
    int id = b.outputAddress();
    RecordWriter record(out, 'B', id);
    record.Header(RecordHeader(kOpening, id));
    record.Item(key::Tag, f.TagText);
    record.Item(key::Desc, f.DescricaoText);
    record.Item(key::Function, f.FuncaoTr);
    record.Item(key::Upper, f.LimSupText);
    record.Item(key::Lower, f.LimInfText);
    record.Item(key::UpperOn, WordFlag(f.LimSupCheck));
    record.Item(key::LowerOn, WordFlag(f.LimInfCheck));
}

std::vector<std::string> ReadCalcRecord(CalcBlock& b, Simulation& sim, LineReader& in) {
    CalcBlockFields& f = b.fields;
    RecordReader record(in, kPrefixWithIdentifier);
    record.SkipHeader();
    f.TagText = record.Bilingual(key::Tag, sim.language);
    f.DescricaoText = record.Bilingual(key::Desc, sim.language);
    f.FuncaoTr = record.Text(key::Function);
    f.LimSupText = record.Text(key::Upper);
    f.LimInfText = record.Text(key::Lower);
    f.LimSupCheck = record.WordFlag(key::UpperOn);
    f.LimInfCheck = record.WordFlag(key::LowerOn);
    std::vector<std::string> messages = b.Apply(sim);
    // The output is not stored. Computed now from the restored process and controller outputs,
    // it stands in the table for the blocks that read it before the first pass reaches it.
    b.Compute(sim);
    return messages;
}

}  // namespace vork
