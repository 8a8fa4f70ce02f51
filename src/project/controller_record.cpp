#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kOpening = "=====<<<CONTROLADOR:";
constexpr int kPickListEntries = 99;  // the short pick list M01..M99
constexpr int kGroupEntries = 2;      // each radio group has two positions

// Item keys in record order. Item 11 says PVMax and item 12 PVmin although they hold the start
// and the end of the range; item 26 says remote although "True" means a local setpoint.
namespace key {
constexpr std::string_view Tag = "Tag:", Desc = "Desc:", Kc = "Kc:", Ti = "Ti:", Td = "Td:",
                           Bias = "Bias:", A = "Fator a:", DeadBand = "Banda Morta:",
                           COmin = "COmim:", COmax = "COMax:", Start = "Escala PVMax:",
                           End = "Escala PVmin:", BackMVCheck = "BackMV CK:",
                           PV = "Indice lista PV:", SPR = "Indice lista SPR:",
                           BackMV = "Endereço  BackMV:", FF = "Acao FF:", SPROn = "Habilita SPR:",
                           FFOn = "Habilita FF:", Acao = "Tipo acao:", Derivada = "Derivada na PV:",
                           Estrutura = "Estrutura ISA:", Iant = "Iant:", Erroant = "Erroant:",
                           PVant = "PVant:", Local = "Habilita Modo Remoto:",
                           Auto = "Habilita Modo Auto:", Unkeyed = "";
}  // namespace key

}  // namespace

void WriteControllerRecord(const Controller& c, LineWriter& out) {
    const ControllerFields& f = c.fields;
    const ControllerState& s = c.state;
    RecordWriter record(out, 'C', c.slot());
    record.Header(RecordHeader(kOpening, c.slot()));
    record.Item(key::Tag, f.TagText);
    record.Item(key::Desc, f.Descricao);
    record.Item(key::Kc, f.KpText);
    record.Item(key::Ti, f.KiText);
    record.Item(key::Td, f.KdText);
    record.Item(key::Bias, f.BiasText);
    record.Item(key::A, f.aText);
    record.Item(key::DeadBand, f.tfText);
    record.Item(key::COmin, f.COminText);
    record.Item(key::COmax, f.COmaxText);
    record.Item(key::Start, f.InicioEscala);
    record.Item(key::End, f.FimEscala);
    record.Item(key::BackMVCheck, WordFlag(f.BackMVCheck));
    record.Item(key::PV, IntegerText(f.VariavelSelect));
    record.Item(key::SPR, IntegerText(f.SPRSelect));
    record.Item(key::BackMV, IntegerText(f.BackMV));
    record.Item(key::FF, f.FFwEquation);
    record.Item(key::SPROn, WordFlag(f.CheckSPR));
    record.Item(key::FFOn, WordFlag(f.FFwSelect));
    record.Item(key::Acao, IntegerText(f.Acaogroup));
    record.Item(key::Derivada, IntegerText(f.DerivadaGroup));
    record.Item(key::Estrutura, IntegerText(f.EstruturaGroup));
    record.Item(key::Iant, StateText(s.Iant));
    record.Item(key::Erroant, StateText(s.Erroant));
    record.Item(key::PVant, StateText(s.PVant));
    record.Item(key::Local, WordFlag(s.LocalMode));
    record.Item(key::Auto, WordFlag(s.AutoMode));
    record.Item(key::Unkeyed, StateText(s.SP));
    record.Item(key::Unkeyed, StateText(s.CO));
}

std::vector<std::string> ReadControllerRecord(Controller& c, Simulation& sim, LineReader& in) {
    ControllerFields& f = c.fields;
    ControllerState& s = c.state;
    RecordReader record(in, kPrefixWithIdentifier);
    record.SkipHeader();
    f.TagText = record.Bilingual(key::Tag, sim.language);
    f.Descricao = record.Bilingual(key::Desc, sim.language);
    f.KpText = record.Text(key::Kc);
    f.KiText = record.Text(key::Ti);
    f.KdText = record.Text(key::Td);
    f.BiasText = record.Text(key::Bias);
    f.aText = record.Text(key::A);
    f.tfText = record.Text(key::DeadBand);
    f.COminText = record.Text(key::COmin);
    f.COmaxText = record.Text(key::COmax);
    f.InicioEscala = record.Text(key::Start);
    f.FimEscala = record.Text(key::End);
    f.BackMVCheck = record.WordFlag(key::BackMVCheck);
    f.VariavelSelect = ListPosition(record.StrictInteger(key::PV), kPickListEntries, kNoSelection);
    f.SPRSelect = ListPosition(record.StrictInteger(key::SPR), kPickListEntries, kNoSelection);
    f.BackMV = ListPosition(record.StrictInteger(key::BackMV), kPickListEntries, kNoSelection);
    f.FFwEquation = record.Text(key::FF);
    f.CheckSPR = record.WordFlag(key::SPROn);
    f.FFwSelect = record.WordFlag(key::FFOn);
    f.Acaogroup = ListPosition(record.Integer(key::Acao), kGroupEntries, kRespostaDireta);
    f.DerivadaGroup = ListPosition(record.Integer(key::Derivada), kGroupEntries, kSobrePV);
    f.EstruturaGroup = ListPosition(record.Integer(key::Estrutura), kGroupEntries, kIsa);
    s.Iant = record.Real(key::Iant);
    s.Erroant = record.Real(key::Erroant);
    s.PVant = record.Real(key::PVant);
    // The derivative's PV filter is not stored: starting it from the stored PV keeps the first
    // tick after loading from reading a jump from 0 and kicking the output to a limit.
    s.PVFilt = s.PVFiltAnt = s.PVant;
    s.LocalMode = record.WordFlag(key::Local);
    s.AutoMode = record.WordFlag(key::Auto);
    s.SP = ReadReal(record.Text(key::Unkeyed));
    s.CO = ReadReal(record.Text(key::Unkeyed));
    std::vector<std::string> messages = c.Validate(sim);
    // The loop's variables carry the restored output and setpoint from the first pass on, so
    // blocks computed before the controller do not read 0 for one tick.
    sim.vars.Write(ControllerOutputAddress(c.slot()), s.CO);
    sim.vars.Write(SetpointAddress(c.slot()), s.SP);
    return messages;
}

}  // namespace vork
