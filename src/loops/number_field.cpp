#include "loops/number_field.h"

#include "engine/numbers.h"

namespace vork {

NumberField ParseNumberField(std::string_view text) {
    NumberField field{ParseLenient(text), false};
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t body = NumberBodyLength(text, i);
    if (body == 0) return field;
    i += body;
    while (i < text.size() && text[i] == ' ')
        ++i;
    field.ok = i == text.size();
    return field;
}

}  // namespace vork
