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
        if (!compiled_ || !Holds(text)) Recompile(text);
        return value_;
    }

  private:
    // Field texts are a few characters long: a plain loop beats a call to memcmp.
    bool Holds(std::string_view text) const {
        if (text.size() != text_.size()) return false;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] != text_[i]) return false;
        return true;
    }

    [[gnu::noinline]] void Recompile(std::string_view text) {
        text_.assign(text);
        value_ = Compile(text);
        compiled_ = true;
    }

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
