#include "workspace/shape.h"

#include "engine/numbers.h"

namespace vork {

int Shape::VariablePosition() const {
    std::optional<int> n = ParseStrictInt(ImagemVar);
    bool listed = n && *n >= 1 && *n <= kVariables && std::to_string(*n) == ImagemVar;
    return listed ? *n - 1 : -1;
}

void Shape::SelectVariable(int position) {
    bool listed = position >= 0 && position < kVariables;
    ImagemVar = listed ? std::to_string(position + 1) : std::string();
}

}  // namespace vork
