#pragma once

#include <string>
#include <vector>

#include "engine/compiled_field.h"
#include "plant/trend.h"

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
    std::string tag, description;       // TagText and Descricao at the last validation
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

// A positional PID controller in percent of range, with its loop trend. Slot k writes its output
// to Mk and its setpoint to M(60+k).
class Controller {
  public:
    explicit Controller(int slot);

    int slot() const { return slot_; }

    ControllerFields fields;
    ControllerTuning tuning;
    ControllerState state;
    Trend trend;  // PV, SP, CO and the actuator position

    // One tick: output, setpoint and trend sample.
    void Compute(Simulation& sim);
    // Latches and applies the configuration whatever the checks find; returns the failed
    // checks' messages in order.
    std::vector<std::string> Validate(Simulation& sim);

    // The operator's actions on the running loop. The setpoint moves only in local mode, the
    // output only in manual; both stay within 0..100 %.
    void StepSetpoint(double delta);
    // A typed setpoint in engineering units; ignored outside the range or on an empty range.
    void EnterSetpoint(double engineering);
    // Local and remote alternate only while the last validation offered a remote setpoint.
    void ToggleLocalRemote();
    void ToggleAutoManual();
    void StepOutput(double delta);
    // A typed output in percent; ignored outside 0..100.
    void EnterOutput(double percent);

    // Ticking or clearing CheckSPR: ticking starts the remote setpoint list on M01, which is read
    // as the remote setpoint at once.
    void SetCheckSPR(bool checked);

    // Ticking "Arquivar": the file goes to the run's trend archive folder, which must be chosen
    // first (NeedsFolder). Refused without a tag at the last validation.
    ArchiveStart StartArchive(Simulation& sim, TrendFileSystem& files);

    // The engineering range of the measured variable as last validated.
    EngineeringRange range() const { return {tuning.PVmin, tuning.PVmax}; }

  private:
    void ApplyConfiguration(Simulation& sim);
    void SampleTrend(Simulation& sim);

    int slot_;
    // The compiled forms of the live expressions.
    CompiledField coMin_, coMax_, feedForward_;
};

}  // namespace vork
