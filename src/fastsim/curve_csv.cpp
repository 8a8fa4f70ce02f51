#include "fastsim/curve_csv.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace vork {

namespace {

void AppendNumber(std::string& out, const std::vector<double>& curve, size_t i) {
    if (i >= curve.size()) return;
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, curve[i]).ptr;
    out.append(buffer, end);
}

}  // namespace

std::string CurvesCsv(const LoopCurves& curves) {
    std::string out = "s,PV,SP,MV\n";
    size_t points = std::max({curves.pv.size(), curves.sp.size(), curves.co.size()});
    for (size_t i = 0; i < points; ++i) {
        out += std::to_string(i);
        for (const std::vector<double>* curve : {&curves.pv, &curves.sp, &curves.co}) {
            out += ',';
            AppendNumber(out, *curve, i);
        }
        out += '\n';
    }
    return out;
}

}  // namespace vork
