#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/compiled_field.h"
#include "plant/actuator_chain.h"
#include "plant/addresses.h"
#include "plant/dead_time.h"
#include "plant/transfer_functions.h"
#include "plant/valve_curves.h"

namespace vork {

class Simulation;

// The texts and choices of the block's window, as typed. List positions count from 0; -1 means
// no selection.
struct ProcessFields {
    std::string TagText;
    std::string DescricaoText;
    int EntradaSelect = 0;               // input variable M(position + 1)
    std::string GanhoText = "1";         // static gain, latched expression
    std::string TempoMorto = "0";        // dead time in seconds, latched expression
    int transferType = kOverdamped;      // ComboBox2: transfer-function type
    std::string LText = "10";            // T1 in seconds, live expression
    std::string Ctext = "0";             // T2 in seconds, live expression
    std::string NCText = "1";            // damping parameter, latched number (comma allowed)
    std::string PeriodoText = "10";      // oscillation period in seconds, latched number
    std::string LEAD = "0";              // lead time in seconds, live expression
    std::string LAG = "0";               // lag time in seconds, live expression
    std::string ValorInicialText = "0";  // integrator start, percent; taken when InitPending
    bool clampDisabled = false;          // CheckBox1 "Desativar Saturador", read every tick
    std::string Histerese = "0";         // hysteresis band in percent, latched number
    std::string valveStext = "0";        // stiction band in percent, latched number
    std::string ratetext = "0";          // rate limit in percent per second, live expression
    int gainCurve = kCurveLinear;        // ComboBox1: gain curve
    std::string tal = "0";               // actuator time constant in seconds, latched number
};

// The tag and the output variable's description that a validation passing every check applied.
struct ProcessIdentity {
    std::string tag;
    std::string description;
};

// What the last validation latched. Before the first validation the expressions are empty and
// evaluate to 0.
struct ProcessLatched {
    bool validated = false;                   // a validation ran, passed or not
    std::optional<ProcessIdentity> identity;  // from the last validation that passed
    int input = 1;                            // address of the input variable
    std::string gainExpression;
    std::string deadTimeExpression;
    int type = kOverdamped;
    double cycles = 1.0;   // NC
    double period = 10.0;  // P, seconds
    ActuatorParams actuator;
};

// Everything that carries from one tick to the next.
struct ProcessState {
    double X0 = 0.0;  // input of this tick, percent
    ActuatorState actuator;
    DeadTimeState delay;
    TransferState transfer;
    double Y2 = 0.0;           // output of the last tick, after the gain
    bool InitPending = false;  // a new integrator start value waits for validation
};

// One element of the plant: input, actuator chain, dead time, transfer function and gain,
// writing its output variable and its actuator position M(100 + slot).
class ProcessBlock {
  public:
    static constexpr int kSlots = 24;

    explicit ProcessBlock(int slot) : slot_(slot) {}

    static int OutputAddress(int slot) { return ProcessOutputAddress(slot); }
    int OutputAddress() const { return OutputAddress(slot_); }
    int slot() const { return slot_; }

    void Compute(Simulation& sim);

    // Latches the parameters and returns one message per failed check, in order. An empty list
    // means every check passed: the output variable then takes the typed description, and the
    // tag and that description become the block's identity.
    std::vector<std::string> Validate(Simulation& sim);
    // "Atualizar": Validate, and when every check passed the description field takes back the
    // output variable's description as stored (at most 255 characters).
    std::vector<std::string> Apply(Simulation& sim);

    ProcessFields fields;
    ProcessLatched latched;
    ProcessState state;

  private:
    TransferParams LiveTransferParams(Simulation& sim, double gain);
    void LatchParameters(Simulation& sim, std::vector<std::string>& messages);
    void LatchTypeParameters(Simulation& sim, std::vector<std::string>& messages);
    void LatchActuatorParameters(Simulation& sim, std::vector<std::string>& messages);
    void ApplyIdentity(Simulation& sim);

    int slot_;
    // The compiled forms of the expressions every tick evaluates.
    struct Compiled {
        CompiledField gain, rate, deadTime, T1, T2, lead, lag;
    };
    Compiled compiled_;
};

}  // namespace vork
