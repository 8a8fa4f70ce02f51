#include "windows/shape_view.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"

namespace vork {

namespace {

constexpr int kCircle = 0;

// A variable may hold any value; a picture coordinate stays within a screen's reach.
constexpr double kFarthest = 100000.0;

int RoundPixels(double x) {
    if (std::isnan(x)) return 0;
    return static_cast<int>(RoundDecimalQuotient(std::clamp(x, -kFarthest, kFarthest)));
}

}  // namespace

void ShapeView::Apply(const Shape& shape, double v) {
    circle = shape.ImagemTipo == kCircle;
    left = shape.shape.left;
    width = shape.ImagemTamW;
    brush = shape.ImagemCor1;
    scale = shape.ImagemTam / 50.0;
    if (circle) {
        top = shape.referenceTop;
        height = shape.ImagemTam;
        return;
    }
    Show(shape, v);
}

void ShapeView::Show(const Shape& shape, double v) {
    if (circle) {
        brush = v == 0.0 ? shape.ImagemCor1 : shape.ImagemCor2;
        return;
    }
    top = shape.referenceTop + RoundPixels((100.0 - v) * scale);
    height = RoundPixels(v * scale);
}

int ShapeView::FullHeight(const Shape& shape) const {
    return circle ? shape.ImagemTam : RoundPixels(100.0 * scale);
}

double ShapeValue(const Shape& shape, const VariableTable& vars) {
    int position = shape.VariablePosition();
    return position < 0 ? 0.0 : vars.Read(position + 1);
}

}  // namespace vork
