#pragma once

#include <string>
#include <string_view>

namespace vork {

// A text of an object's window in both interface languages.
struct WindowText {
    const char* component;  // control name; "caption" for the window, "hint:<control>" for hints
    const char* portuguese;
    const char* english;
};

// The English text of `component` in a window's table; empty when it has none.
template <class Table>
std::string EnglishTextIn(const Table& table, std::string_view component) {
    for (const WindowText& t : table)
        if (component == t.component) return t.english;
    return {};
}

}  // namespace vork
