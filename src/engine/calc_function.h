#pragma once

#include <string>
#include <string_view>

namespace vork {

// How a calculation block combines the two sides of its function.
enum class CalcForm {
    Single,      // A
    Greater,     // A>>B: 1 if A > B
    Less,        // A<<B: 1 if A < B
    HighSelect,  // A>B: the larger, B on a tie
    LowSelect,   // A<B: the smaller, B on a tie
};

struct CalcSplit {
    CalcForm form = CalcForm::Single;
    std::string a;  // the whole text for Single
    std::string b;
};

// Splits a substituted function once at its comparison or selector symbol: ">>" before "<<",
// both before ">" and "<". Further symbols stay inside the sides.
CalcSplit SplitCalcFunction(std::string_view text);

// Combines the values of the two sides by the form.
double CombineCalc(CalcForm form, double a, double b);

}  // namespace vork
