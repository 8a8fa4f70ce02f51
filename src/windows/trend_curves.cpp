#include "windows/trend_curves.h"

#include "engine/numbers.h"

namespace vork {

namespace {

// A title quoted when it holds a separator or a quote, quotes doubled.
std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

double CurveValue(const TrendSample& s, int point, const EngineeringRange& range) {
    if (point < 2) return range.ToEngineering(s.raw[static_cast<size_t>(point)]);
    return s.points[static_cast<size_t>(point)] / 2.0;
}

}  // namespace

std::string TrendCurvesCsv(const TrendPanel& panel, const std::vector<TrendCurve>& curves) {
    std::string csv = "Tempo (s)";
    for (const TrendCurve& c : curves)
        csv += "," + CsvCell(c.title);
    csv += "\n";
    const Trend& trend = panel.data();
    const TrendRing& ring = trend.ring;
    EngineeringRange range = panel.range();
    double step = TrendPanel::SecondsPerSample(trend.base());
    std::vector<int> order = ring.OldestToNewest();
    int skipped = TrendRing::kSize - ring.filled();
    for (int i = 0; i < ring.filled(); ++i) {
        const TrendSample& s = ring.At(order[static_cast<size_t>(skipped + i)]);
        csv += Fixed(i * step, 1);
        for (const TrendCurve& c : curves)
            csv += "," + Fixed(CurveValue(s, c.point, range), 3);
        csv += "\n";
    }
    return csv;
}

const std::array<WindowText, 5> kTrendExportTexts = {{
    {"ExportBTN", "Exportar", "Export"},
    {"hint:ExportBTN", "Exportar o gráfico ou suas curvas", "Export the chart or its curves"},
    {"ExportPNG", "Imagem PNG...", "PNG image..."},
    {"ExportSVG", "Imagem SVG...", "SVG image..."},
    {"ExportCSV", "Curvas em CSV...", "Curves as CSV..."},
}};

}  // namespace vork
