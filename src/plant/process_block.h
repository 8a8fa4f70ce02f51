#pragma once

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
    int ComboBox2 = kOverdamped;         // transfer-function type
    std::string LText = "10";            // T1 in seconds, live expression
    std::string Ctext = "0";             // T2 in seconds, live expression
    std::string NCText = "1";            // damping parameter, latched number (comma allowed)
    std::string PeriodoText = "10";      // oscillation period in seconds, latched number
    std::string LEAD = "0";              // lead time in seconds, live expression
    std::string LAG = "0";               // lag time in seconds, live expression
    std::string ValorInicialText = "0";  // integrator start, percent; taken when InitPending
    bool CheckBox1 = false;              // "Desativar Saturador", read every tick
    std::string Histerese = "0";         // hysteresis band in percent, latched number
    std::string valveStext = "0";        // stiction band in percent, latched number
    std::string ratetext = "0";          // rate limit in percent per second, live expression
    int ComboBox1 = kCurveLinear;        // gain curve
    std::string tal = "0";               // actuator time constant in seconds, latched number
};

// What the last validation latched. Before the first validation the expressions are empty and
// evaluate to 0.
struct ProcessLatched {
    int input = 1;  // address of the input variable
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

// What the window shows and which of its buttons are enabled.
struct ProcessDisplay {
    std::string Label36 = "0.00";  // input, refreshed by Compute outside batch mode
    std::string Label26 = "0.00";  // actuator position, idem
    std::string Label12 = "0.00";  // output, idem
    std::string Label9;            // title: tag, blank, description
    std::string Label22;           // "(M21)": output address
    std::string Label2;            // "(M101)": actuator position address
    std::string Caption = "Processo";
    bool AtualizarEnabled = true;  // nothing is applied before the first "Atualizar"
    bool SairEnabled = true;
    bool EnglishApplied = false;  // the English window texts were applied on an activation
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

    // Latches the parameters and returns one message per failed check, in order; an empty list
    // means every check passed and the window's title, address labels and caption were set.
    std::vector<std::string> Validate(Simulation& sim);

    // Window operations on the model.
    void FieldEdited();              // any parameter, tag, description, list or box change
    void TypeChanged(int position);  // ComboBox2
    void InitialValueEdited();       // ValorInicialText: arms the integrator start value
    std::vector<std::string> Atualizar(Simulation& sim);
    // Reloads the description of the output variable; in English mode the first activation
    // translates the window, its caption included.
    void Activate(const Simulation& sim);
    void MarkApplied();  // after a project load

    ProcessFields fields;
    ProcessLatched latched;
    ProcessState state;
    ProcessDisplay display;

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
