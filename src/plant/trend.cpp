#include "plant/trend.h"

namespace vork {

void Trend::Rescale() {
    if (settings.EscalaAuto)
        ring.AutoScale();
    else
        ring.SetScale(100.0, 0.0);
}

void Trend::SetEngineeringScale(double top, double bottom, const EngineeringRange& range) {
    if (!(bottom < top) || range.empty()) return;
    double topPercent = range.ToPercent(top), bottomPercent = range.ToPercent(bottom);
    // A reversed range turns the order round.
    if (bottomPercent < topPercent) ring.SetScale(topPercent, bottomPercent);
}

ArchiveStart Trend::StartArchive(TrendFileSystem& files, const std::string& folder,
                                 const std::string& tag, const std::vector<std::string>& titles) {
    if (archive.on()) return ArchiveStart::Refused;
    return archive.Start(files, folder, tag, base(), titles) ? ArchiveStart::Started
                                                             : ArchiveStart::Failed;
}

void Trend::WriteArchiveRow(const std::vector<double>& values) {
    if (archive.on()) archive.WriteRow(values, settings.UsarVirgula);
}

}  // namespace vork
