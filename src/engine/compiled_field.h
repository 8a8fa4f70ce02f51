#pragma once

#include <cstdint>
#include <cstring>
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
    // Field texts are a few to a few dozen characters long, checked on every tick: eight bytes
    // at a time, the last word overlapping the one before, beats both a byte loop and memcmp.
    bool Holds(std::string_view text) const {
        size_t n = text.size();
        if (n != text_.size()) return false;
        const char* a = text.data();
        const char* b = text_.data();
        if (n < 8) {
            for (size_t i = 0; i < n; ++i)
                if (a[i] != b[i]) return false;
            return true;
        }
        for (size_t i = 0; i + 8 < n; i += 8)
            if (Word(a + i) != Word(b + i)) return false;
        return Word(a + n - 8) == Word(b + n - 8);
    }

    static uint64_t Word(const char* p) {
        uint64_t w;
        std::memcpy(&w, p, sizeof w);
        return w;
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
