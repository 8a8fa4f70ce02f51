#pragma once

#include <string>

#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/characterizer.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "project/project.h"

namespace vork::testing {

// Fills a marker as the configuration window does: shown and captioned with the object's tag.
inline void PlaceMarker(ObjectMarker& marker, const std::string& tag, int top, int left) {
    marker = {tag, top, left, true, true};
}

inline void AddControllers(Project& p) {
    Simulation& sim = p.sim;
    Controller& fic = sim.controllers.Fill(1);
    fic.fields.TagText = "FIC-1";
    fic.fields.Descricao = "Vazão de vapor";
    fic.fields.KpText = "2,5";
    fic.fields.KiText = "8";
    fic.fields.VariavelSelect = 20;  // M21
    fic.Validate(sim);
    fic.state.SP = 42.5;
    fic.state.AutoMode = true;
    PlaceMarker(p.workspace.controllers[0], "FIC-1", 40, 120);

    Controller& tic = sim.controllers.Fill(3);
    tic.fields.TagText = "TIC-3";
    tic.fields.KpText = "0.7";
    tic.fields.KdText = "2";
    tic.fields.VariavelSelect = 22;  // M23
    tic.fields.CheckSPR = true;
    tic.fields.SPRSelect = 84;  // M85
    tic.fields.FFwSelect = true;
    tic.fields.FFwEquation = "M81/2";
    tic.fields.BackMVCheck = true;
    tic.fields.BackMV = 1;
    tic.fields.Acaogroup = kRespostaReversa;
    tic.fields.EstruturaGroup = kParalela;
    tic.fields.DerivadaGroup = kSobreErro;
    tic.Validate(sim);
    tic.state.SP = 30.0;
    PlaceMarker(p.workspace.controllers[2], "TIC-3", 3, 83);
}

inline ProcessBlock& AddProcess(Project& p, int slot, int type, int input) {
    ProcessBlock& b = p.sim.processes.Fill(slot);
    b.fields.TagText = "P" + std::to_string(slot);
    b.fields.DescricaoText = "Processo " + std::to_string(slot);
    b.fields.EntradaSelect = input - 1;
    b.fields.transferType = type;
    PlaceMarker(p.workspace.processes[static_cast<size_t>(slot - 1)], b.fields.TagText, 39,
                2 + 39 * (slot - 1));
    return b;
}

inline void AddProcesses(Project& p) {
    ProcessBlock& flow = AddProcess(p, 1, kOverdamped, 1);
    flow.fields.TempoMorto = "1.5";
    flow.fields.GanhoText = "1.2";
    flow.fields.Ctext = "3";
    flow.fields.gainCurve = kCurveLinear;
    ProcessBlock& oscillating = AddProcess(p, 21, kUnderdamped, 81);
    oscillating.fields.NCText = "1.5";
    oscillating.fields.PeriodoText = "20";
    oscillating.fields.Histerese = "2";
    oscillating.fields.valveStext = "0.5";
    ProcessBlock& leadLag = AddProcess(p, 2, kLeadLag, 3);
    leadLag.fields.LEAD = "4";
    leadLag.fields.LAG = "9";
    leadLag.fields.ratetext = "5";
    leadLag.fields.tal = "2";
    ProcessBlock& level = AddProcess(p, 3, kIntegrator, 21);
    level.fields.GanhoText = "0.05";
    level.fields.clampDisabled = true;
    p.sim.processes.ForEach([&](ProcessBlock& b) { b.Validate(p.sim); });
}

inline void AddCalcs(Project& p) {
    CalcBlock& twice = p.sim.calcs.Fill(1);
    twice.fields.TagText = "FY-1";
    twice.fields.FuncaoTr = "M21*2";
    twice.fields.LimSupCheck = true;
    twice.fields.LimInfCheck = true;
    twice.Apply(p.sim);
    CalcBlock& high = p.sim.calcs.Fill(24);
    high.fields.TagText = "HS";
    high.fields.FuncaoTr = "M21>M22";
    high.Apply(p.sim);
    p.workspace.calcs[0] = {"FY-1", 63, 2, false, false};
    PlaceMarker(p.workspace.calcs[23], "HS", 63, 899);
}

inline void AddDisplays(Project& p) {
    Simulation& sim = p.sim;
    TrendRecorder& r = sim.recorders.Fill(2);
    r.fields.TagText = "TR-2";
    r.fields.DescricaoText = "Vazões";
    r.fields.Variavel1Select = 20;
    r.fields.Variavel2Select = 60;
    r.fields.Variavel3Select = TrendRecorder::kNenhum;
    r.fields.penText1 = "Vazão";
    r.trend.settings.BaseTempoBox = 2;
    r.Rescale(sim);
    PlaceMarker(p.workspace.recorders[1], "TR-2", 3, 555);

    AnimatedText& scalar = sim.texts.Fill(10);
    scalar.fields.DescricaoText = "Vazão";
    scalar.ChooseVariable(sim, 20);
    scalar.SetDecimals(1);
    scalar.Apply(sim);
    AnimatedText& binary = sim.texts.Fill(1);
    binary.fields.Tipo = 1;
    binary.fields.FuncaoTr = "Parado/Ligado";
    binary.ChooseVariable(sim, 10);
    binary.Apply(sim);
    AnimatedText& equation = sim.texts.Fill(2);
    equation.fields.Tipo = 2;
    equation.fields.FuncaoTr = "M21+M22";
    equation.Apply(sim);
    for (int slot : {1, 2, 10}) {
        TextMarker& marker = p.workspace.texts[static_cast<size_t>(slot - 1)];
        marker.top = 200 + slot;
        marker.left = 300;
        marker.checked = marker.visible = true;
    }
}

// Every type of the generator, with channels 11 and 12 at the two constants.
inline void AddGenerator(Project& p) {
    SignalGenerator& g = p.sim.generator();
    const int types[] = {7, 1, 8, 3, 9, 2, 4, 5, 6, 0, 0, 1};
    for (int k = 1; k <= 12; ++k)
        g.ChangeType(p.sim, k, types[k - 1]);
    g.channel(1).fields.Valor = "M21/2";
    g.channel(2).fields.ValorDig = 1;
    g.channel(3).fields.Valor = "M21+1";
    g.channel(4).fields = {3, "20", "10", "60", "35.5", 0, 0};
    g.channel(5).fields.Valor = "M81/50";
    g.channel(6).fields.Min = "40";
    g.channel(6).fields.Max = "45";
    g.channel(8).fields = {5, "30", "20", "80", "Valor", 0, 0};
    g.channel(9).fields = {6, "10", "50", "0.5", "Valor", 0, 0};
    g.channel(10).fields.Valor = "35";
    g.channel(11).fields.Desc = "Carga";
    g.channel(11).fields.Valor = "12.5";
    g.channel(12).fields.ValorDig = 1;
    g.Apply(p.sim);
    // The medium random channel has been running: its filter stands where its value shows.
    g.channel(4).state.filter = 35.5;
}

inline void AddWorkspace(Project& p) {
    Workspace& ws = p.workspace;
    ws.Titulo = "Caldeira";
    ws.pictureName = "caldeira.bmp";
    Track& track = ws.tracks[0];
    track.EntCheck = true;
    track.EntLabel = "Abertura";
    track.EntTrack = true;
    track.PlaceGroup(122, 844);
    p.sim.vars.Write(15, 12.345);
    Shape& shape = ws.shapes[1];
    shape.ImagemCheck = true;
    shape.ImagemTipo = 1;
    shape.SelectVariable(20);
    shape.ImagemTam = 40;
    shape.ImagemCor1 = Rgb(0, 128, 255);
    shape.referenceTop = shape.shape.top = 352;
    ws.switches[0].ChaveCheck = true;
    ws.switches[0].ChaveTipo = 2;
    p.sim.vars.Write(11, 1.0);
    PushButton& button = ws.commandPanel.buttons[0];
    button.BotaoCheck = true;
    button.textOff = "Parar";
    button.textOn = "Partir";
    p.sim.vars.Write(97, 1.0);
    ws.commentsPortuguese = {"Caldeira com três malhas.", ""};
    ws.showComments = true;
    CharacterizerFields& lin = p.sim.characterizer().fields;
    lin.Lin1EndEnt = "21 Vazão";
    lin.Lin1Ativar = true;
    lin.Lin1MV = {"0", "20", "40", "60", "80", "100"};
    lin.Lin1PV = {"0", "5", "12", "25", "50", "100"};
}

// A project with objects of every kind, every generator type and every operator input.
inline void BuildRichProject(Project& p) {
    p.sim.vars.SetAttribute(21, AttributeField::Unit, "m³/h");
    p.sim.vars.SetAttribute(21, AttributeField::UeMax, "150");
    AddGenerator(p);
    AddControllers(p);
    AddProcesses(p);
    AddCalcs(p);
    AddDisplays(p);
    AddWorkspace(p);
}

}  // namespace vork::testing
