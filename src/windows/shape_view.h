#pragma once

#include "engine/variable_table.h"
#include "workspace/shape.h"

namespace vork {

// How an animated shape `Shape`n stands on the picture: a circle coloured by its variable, or a
// rectangle that grows upwards from its bottom edge with the variable.
struct ShapeView {
    bool circle = true;
    int left = 0;  // pixels
    int top = 0;
    int width = 50;
    int height = 50;
    Colour brush = kRed;
    double scale = 1.0;  // rectangle: pixels per percent

    // The settings as they stand: shape, colour 1 and size (the workspace refresh, and any change
    // of a setting), placed for the value v in percent.
    void Apply(const Shape& shape, double v);
    // The display refresh: a circle takes colour 1 at 0 and colour 2 otherwise; a rectangle is
    // v x scale pixels high with its top (100 - v) x scale below its reference top.
    void Show(const Shape& shape, double v);
    // The height the shape has at full scale: a circle's height, a rectangle's at 100 percent.
    int FullHeight(const Shape& shape) const;
};

// The value of the variable a shape shows; 0 when its number is not one of 1..99.
double ShapeValue(const Shape& shape, const VariableTable& vars);

}  // namespace vork
