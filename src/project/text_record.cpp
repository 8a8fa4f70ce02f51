#include "plant/animated_text.h"
#include "plant/simulation.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kOpening = "=====<<<TEXTO ANIMADO:";
constexpr int kPickListEntries = 124;  // the long pick list M01..M124
constexpr int kTypeEntries = 3;        // "Escalar", "Binário", "Equação"

namespace key {
constexpr std::string_view Desc = "Desc:", Function = "Funcao:", Decimals = "Casas Decimais:",
                           Unit = "Unidade:", SpanMax = "Faixa Max:", SpanMin = "Faixa Min:",
                           Type = "Tipo:", Variable = "Variavel:";
}  // namespace key

}  // namespace

void WriteTextRecord(const AnimatedText& t, LineWriter& out) {
    const AnimatedTextFields& f = t.fields;
    RecordWriter record(out, 'T', std::nullopt);
    record.Header(RecordHeader(kOpening, t.number()));
    record.Item(key::Desc, f.DescricaoText);
    record.Item(key::Function, f.FuncaoTr);
    record.Item(key::Decimals, IntegerText(f.CasasDecimais));
    record.Item(key::Unit, f.Unidade);
    record.Item(key::SpanMax, f.Edit1);
    record.Item(key::SpanMin, f.Edit4);
    record.Item(key::Type, IntegerText(f.Tipo));
    record.Item(key::Variable, IntegerText(f.ComboBox1));
}

void ReadTextRecord(AnimatedText& t, Simulation& sim, LineReader& in) {
    AnimatedTextFields& f = t.fields;
    RecordReader record(in, kPrefixWithoutIdentifier);
    record.SkipHeader();
    f.DescricaoText = record.Bilingual(key::Desc, sim.language);
    f.FuncaoTr = record.Bilingual(key::Function, sim.language);
    // The decimals' up-down control holds 0 to 5.
    t.SetDecimals(record.Integer(key::Decimals));
    f.Unidade = record.Text(key::Unit);
    f.Edit1 = record.Text(key::SpanMax);
    f.Edit4 = record.Text(key::SpanMin);
    f.Tipo = ListPosition(record.StrictInteger(key::Type), kTypeEntries,
                          static_cast<int>(AnimatedTextType::Scalar));
    f.ComboBox1 = ListPosition(record.StrictInteger(key::Variable), kPickListEntries, kNoSelection);
    t.Apply(sim);
}

}  // namespace vork
