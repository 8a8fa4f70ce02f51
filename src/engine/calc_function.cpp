#include "engine/calc_function.h"

namespace vork {

namespace {

CalcSplit SplitAt(std::string_view text, size_t at, size_t symbolLength, CalcForm form) {
    return {form, std::string(text.substr(0, at)), std::string(text.substr(at + symbolLength))};
}

}  // namespace

CalcSplit SplitCalcFunction(std::string_view text) {
    if (size_t p = text.find(">>"); p != std::string_view::npos)
        return SplitAt(text, p, 2, CalcForm::Greater);
    if (size_t p = text.find("<<"); p != std::string_view::npos)
        return SplitAt(text, p, 2, CalcForm::Less);
    if (size_t p = text.find('>'); p != std::string_view::npos)
        return SplitAt(text, p, 1, CalcForm::HighSelect);
    if (size_t p = text.find('<'); p != std::string_view::npos)
        return SplitAt(text, p, 1, CalcForm::LowSelect);
    return {CalcForm::Single, std::string(text), {}};
}

double CombineCalc(CalcForm form, double a, double b) {
    switch (form) {
        case CalcForm::Greater:
            return a > b ? 1.0 : 0.0;
        case CalcForm::Less:
            return a < b ? 1.0 : 0.0;
        case CalcForm::HighSelect:
            return a > b ? a : b;
        case CalcForm::LowSelect:
            return a < b ? a : b;
        case CalcForm::Single:
            break;
    }
    return a;
}

}  // namespace vork
