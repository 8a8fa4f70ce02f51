#pragma once

#include <string>
#include <string_view>

#include "engine/fast_equation.h"

namespace vork {

// The compiled form of one expression field, kept by the object that evaluates the field on
// every tick, so that a tick needs no lookup by text. It compiles again whenever the text differs
// from the one compiled last, so an edited field takes effect on the next tick.
template <class T, T (*Compile)(std::string_view)>
class CompiledText {
  public:
    T& For(std::string_view text) {
        if (!compiled_ || text != text_) {
            text_.assign(text);
            value_ = Compile(text);
            compiled_ = true;
        }
        return value_;
    }

  private:
    std::string text_;
    bool compiled_ = false;
    T value_;
};

inline FastExpression CompileSubstituted(std::string_view text) {
    return FastExpression::Compile(text, true);
}

// An expression evaluated as Simulation::Eval does.
using CompiledField = CompiledText<FastExpression, &CompileSubstituted>;
// A calculation-block function.
using CompiledCalcFunction = CompiledText<FastCalcFunction, &FastExpression::CompileCalcFunction>;

}  // namespace vork
