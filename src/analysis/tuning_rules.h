#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/process_model.h"

namespace vork {

struct ControllerFields;

enum class TuningMethod { Simc, Imc, ZieglerNichols, CohenCoon };
enum class ControlKind { P, PI, PID };

// "SIMC", "IMC", "ZN", "CC"; "P", "PI", "PID".
const char* MethodName(TuningMethod method);
const char* KindName(ControlKind kind);

// Gain (dimensionless, % of output per % of PV), reset and rate times in seconds. Ti 0 means no
// integral action.
struct PidSettings {
    double Kc = 0, Ti = 0, Td = 0;
};

// What the settings are for: the controller's structure (EstruturaGroup position) and the
// closed-loop time constant of IMC (seconds; by default the larger of T and theta).
struct TuningTarget {
    int structure = 1;  // kIsa
    std::optional<double> lambda;
};

// One suggested set, ready for the controller: in its structure and units, rounded to the three
// significant digits written into its fields, with the action that the sign of the process gain
// asks for.
struct Suggestion {
    TuningMethod method = TuningMethod::Simc;
    ControlKind kind = ControlKind::PI;
    PidSettings settings;
    int structure = 1;  // EstruturaGroup position
    int action = 1;     // Acaogroup position
    int halvings = 0;   // times the rule's gain was halved for the loop to settle
};

// PI and PID settings from each rule (SIMC, IMC/lambda, Ziegler-Nichols reaction curve,
// Cohen-Coon) for the model, in that order.
std::vector<Suggestion> SuggestSettings(const ProcessModel& model, const TuningTarget& target);

// The rules' ideal (ISA) settings, before conversion and rounding.
PidSettings IdealSettings(TuningMethod method, ControlKind kind, const ProcessModel& model,
                          std::optional<double> lambda = std::nullopt);

// Ideal settings in the controller's structure: the parallel structure's integral and derivative
// do not scale with Kc, so there Ti becomes Ti / Kc and Td becomes Kc Td.
PidSettings ToStructure(const PidSettings& ideal, int structure);

// The set with its gain halved and its reset and rate times kept, in the set's own structure.
Suggestion HalvedGain(const Suggestion& s);

// A setting as the field holds it: three significant digits, without exponent.
std::string SettingText(double value);
double RoundSetting(double value);

// Writes the set into the configuration fields, as a user would type it: Kc, Ti, Td, the action,
// the structure, and P, I and D ticked as the set uses them. The caller validates.
void CopyIntoFields(const Suggestion& s, ControllerFields& fields);

}  // namespace vork
