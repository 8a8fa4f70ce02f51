#include "fastsim/loop_curves.h"

#include "engine/numbers.h"

namespace vork {

void AppendLoopPoint(LoopCurves& curves, const VariableTable& vars, int pvAddress, double pv,
                     double sp, double co, bool normalize) {
    if (!normalize) {
        // The SP is charted on the PV's range.
        const VariableAttributes& a = vars.Attributes(pvAddress);
        double lo = ParseLenient(a.ueMin), hi = ParseLenient(a.ueMax);
        pv = lo + (hi - lo) * pv / 100.0;
        sp = lo + (hi - lo) * sp / 100.0;
    }
    curves.pv.push_back(pv);
    curves.sp.push_back(sp);
    curves.co.push_back(co);
}

}  // namespace vork
