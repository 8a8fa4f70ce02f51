#include "cli/index_csv.h"

#include "cli/arguments.h"
#include "engine/numbers.h"

namespace vork::cli {

std::string IndexCsvLine(const LoopGrade& g) {
    const IndexValues& v = g.indices;
    std::string line = std::to_string(g.loop) + "," + CsvField(g.tag);
    for (double x : {v.variability, v.iem, v.iema, v.coTravel, v.coDeviation, v.coSaturation,
                     v.pvMean, v.pvMin, v.pvMax})
        line += "," + ShortestText(x);
    return line;
}

}  // namespace vork::cli
