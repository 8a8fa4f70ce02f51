#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/compiled_field.h"
#include "engine/fixed_memo.h"
#include "plant/trend_cursor.h"
#include "plant/trend_export.h"
#include "plant/trend_ring.h"

namespace vork {

class Simulation;

// List positions of the configuration area's radio groups.
enum AcaoPosition { kRespostaReversa = 0, kRespostaDireta = 1 };
enum EstruturaPosition { kParalela = 0, kIsa = 1 };
enum DerivadaPosition { kSobreErro = 0, kSobrePV = 1 };

// The configuration area as typed. List positions count from 0; -1 is no selection.
struct ControllerFields {
    std::string TagText;  // "PID" + slot in a new controller
    std::string Descricao;
    std::string KpText = "1";     // Kc, value at validation
    std::string KiText = "10";    // Ti, seconds, value at validation
    std::string KdText = "0";     // Td, seconds, value at validation
    std::string BiasText = "50";  // percent, latched number
    std::string aText = "1";      // set-point weight, latched number
    std::string tfText = "0";     // dead band, percent, latched number
    std::string COminText = "0";  // live expression, percent
    std::string COmaxText = "100";
    bool PCHK = true, ICHK = true, DCHK = true;  // read every tick
    int Acaogroup = kRespostaDireta;
    int EstruturaGroup = kIsa;
    int DerivadaGroup = kSobrePV;
    int VariavelSelect = 0;  // measured variable: address position + 1
    bool CheckSPR = false;   // read every tick, and latched as remote availability
    int SPRSelect = 0;
    bool FFwSelect = false;
    std::string FFwEquation = "50";  // live expression while FF is on, percent
    bool BackMVCheck = false;        // read every tick
    int BackMV = 0;                  // slave output: address position + 1, read every tick
    std::string InicioEscala = "0";  // copied from the measured variable at validation
    std::string FimEscala = "100";
    std::string UnidEng = "UE";
};

// What Validate latched. A new controller has every number 0 until its first validation.
struct ControllerTuning {
    double Kc = 0.0;
    double Ti = 0.0;  // seconds; 0 freezes the integral
    double Td = 0.0;  // seconds
    double a = 0.0;
    double DB = 0.0;                  // percent of error
    double COmin = 0.0, COmax = 0.0;  // checked at validation; Compute reads the live texts
    bool FFOn = false;
    int Acao = kRespostaDireta;
    int Estrutura = kIsa;
    int Derivada = kSobrePV;
    int pvAddress = 1;
    int sprAddress = 1;
    double PVmin = 0.0, PVmax = 100.0;  // engineering range of the measured variable
    bool remoteAvailable = false;       // CheckSPR at the last validation
};

// Dynamic state, percent unless stated.
struct ControllerState {
    double SP = 0.0;
    double PV = 0.0;
    double SPR = 0.0;
    double CO = 0.0;
    double FFValue = 0.0;  // the latched bias, or the feed-forward value while FF is on
    double Iant = 0.0;
    double Erroant = 0.0;
    double PVant = 0.0;
    double PVFilt = 0.0;
    double PVFiltAnt = 0.0;
    bool LocalMode = true;
    bool AutoMode = false;
    bool InDeadBand = false;
    int Decimals = 0;  // decimals of engineering values on the faceplate
};

// The faceplate as Compute, Validate and the operator actions leave it. Bars run 0..200.
struct ControllerFaceplate {
    std::string Caption;
    std::string DescricaoText;
    std::string SPText = "0";
    std::string PVText = "0";
    std::string MVText = "0";
    std::string UnitEngSP = "%";
    int SPRBar = 0, SetPointBar = 0, VariavelBar = 0, SaidaBar = 0;
    int SetPointBarLeft = 14, SetPointBarWidth = 22;  // 20 and 15 beside the remote bar
    std::string Label1 = "L";
    std::string Label2 = "M";
    bool LocalRemotoBTN = false;
    bool IncrementaSP = true, DecrementaSP = true;
    bool IncrementaSaida = true, DecrementaSaida = true;
    bool Button2 = false;  // "Enviar"
    // Enable state of the configuration area's buttons and the remote setpoint list.
    bool btnatualiza = false;  // "Atualizar", enabled by an edit
    bool ConfigBTN = true;
    bool SPRSelectEnabled = false;
    // Window layout: wide (745) shows the trend or, above it, the configuration area; narrow
    // (204) shows the faceplate only.
    bool wide = true;
    bool configShowing = false;
    bool englishApplied = false;  // the English window texts were applied on an activation
};

// The trend area's controls.
struct LoopTrendFields {
    int BaseTempoBox = 0;
    bool CheckBox2 = false;  // "Linha Grossa"
    bool EscalaAuto = false;
    bool MostrarPV = true, MostrarSP = true, MostrarCO = true;
    bool MostrarAtuador = false;
    bool CheckBox1 = false;  // "Arquivar"
    bool UsarVirgula = false;
    bool UsarUE = false;
    std::string eSupText = "100";
    std::string eInfText = "0";
};

// What the trend area shows besides the plot.
struct LoopTrendDisplay {
    std::array<std::string, 9> axisLabels{"90", "80", "70", "60", "50",
                                          "40", "30", "20", "10"};  // Label3..Label11
    std::string Label21 = "Arquivando: TA=0.1 seg";
    bool Label21Visible = false;
    bool Timer1 = false;  // blinks Label21 while archiving
    bool CheckBox1Enabled = false;
    // eSupText, eInfText, SpeedButton1, TagText and BaseTempoBox, disabled while archiving.
    bool archiveLockedControlsEnabled = true;
};

// A faceplate bar position: round(2 * percent) on the bar's 0..200 scale.
int FaceplateBar(double percent);

// How ticking "Arquivar" ended.
// Failed leaves the reason in `archive.error`; Refused means the check box is disabled or the
// archive already runs.
enum class ArchiveStart { Started, NeedsFolder, Refused, Failed };

// A positional PID controller in percent of range, with its faceplate and loop trend. Slot k
// writes its output to Mk and its setpoint to M(60+k).
class Controller {
  public:
    explicit Controller(int slot);

    int slot() const { return slot_; }

    ControllerFields fields;
    ControllerTuning tuning;
    ControllerState state;
    ControllerFaceplate faceplate;
    LoopTrendFields trendFields;
    LoopTrendDisplay trendDisplay;
    TrendRing trend;
    TrendCursor cursor;
    TrendExport archive;

    // One tick: output, setpoint, faceplate and trend sample.
    void Compute(Simulation& sim);
    // Latches and applies the configuration whatever the checks find; returns the failed
    // checks' messages in order.
    std::vector<std::string> Validate(Simulation& sim);

    // Operator actions of the faceplate. Each does nothing while its control is disabled.
    void IncrementaSPClick();
    void DecrementaSPClick();
    void SPTextEnter();
    void SPTextEscape();
    void LocalRemotoBTNClick();
    void AutoManualBTNClick();
    void IncrementaSaidaClick();
    void DecrementaSaidaClick();
    void MVTextChange();
    void MVTextEnter();  // also "Enviar"
    void MVTextEscape();

    // Window operations on the configuration area.
    void ConfigEdited();  // any edit, tag, description, list or box
    void CheckSPRChange(bool checked);
    std::vector<std::string> Atualizar(Simulation& sim);
    // Enables "Enviar" in manual; in English mode the first activation translates the window.
    void Activate(const Simulation& sim);
    void ShowWindow();
    void ConfigBTNClick();
    void TrendButtonClick();

    // Trend area.
    void ApplyManualScale();  // Enter in eSupText or eInfText
    void BaseTempoBoxChange();
    void SpeedButton2Click();  // pause and cursor mode
    void ImageClick(int x, int y);
    void CloseWindow();
    // Ticking "Arquivar": NeedsFolder while the shared archive folder is empty (the window then
    // asks for one, stores it in the simulation and ticks again).
    ArchiveStart StartArchive(Simulation& sim, TrendFileSystem& files);
    // Clearing "Arquivar"; returns the closing message.
    std::string StopArchive();
    void Timer1Tick();

    // Engineering value of `percent` with `Decimals` decimals.
    std::string EngineeringText(double percent) const;

  private:
    void ApplyConfiguration(Simulation& sim);
    void ApplyModeButtons();
    void RefreshSetpoint();
    void RefreshOutput();
    void RefreshFaceplate(const Simulation& sim);
    void SampleTrend(Simulation& sim);
    void WriteArchiveRow();
    void EndArchive();
    void RescaleTrend();
    void WriteScaleTexts();
    void WriteAxisLabels();
    double ToEngineering(double percent) const;
    double ToPercent(double engineering) const;

    int slot_;
    // The compiled forms of the live expressions.
    CompiledField coMin_, coMax_, feedForward_;
    FixedMemo batchSPText_;
};

}  // namespace vork
