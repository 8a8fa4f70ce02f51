#pragma once

#include <string>
#include <vector>

#include "plant/trend_export.h"
#include "plant/trend_file.h"
#include "plant/trend_ring.h"
#include "plant/trend_time_base.h"

namespace vork {

// The values at 0 and 100 % of a variable's range, in engineering units.
struct EngineeringRange {
    double min = 0.0;
    double max = 100.0;

    double ToEngineering(double percent) const { return min + (max - min) * percent / 100.0; }
    double ToPercent(double engineering) const { return (engineering - min) * 100.0 / (max - min); }
    bool empty() const { return max == min; }
};

// The choices of a trend that sampling, scaling and the archive read.
struct TrendSettings {
    int BaseTempoBox = 0;      // time base, list position
    bool EscalaAuto = false;   // each rescale fits the stored samples
    bool UsarVirgula = false;  // archive numbers with decimal commas
    bool UsarUE = false;       // archive the scaled traces in engineering units
};

// How ticking the archive ended. Failed leaves the reason in `archive.error`; Refused means the
// trend has no tag to name the file or already archives; NeedsFolder asks for a folder first.
enum class ArchiveStart { Started, NeedsFolder, Refused, Failed };

// What a controller or a recorder samples: the ring of the last 450 samples, its scale, and the
// text archive that takes one row per sample.
struct Trend {
    TrendSettings settings;
    TrendRing ring;
    TrendExport archive;

    TimeBase base() const { return TimeBaseAt(settings.BaseTempoBox); }
    // Counts one tick; true when a sample is to be taken now.
    bool SampleDue() { return ring.SampleDue(base()); }

    // The scale after a validation: fitted to the stored samples with EscalaAuto, otherwise the
    // whole range.
    void Rescale();
    // A scale typed in engineering units; applied only when `bottom` < `top` in a range that is
    // not empty.
    void SetEngineeringScale(double top, double bottom, const EngineeringRange& range);

    // Opens tag + "_" + n + ".txt" in `folder` with the time base's header and `titles`.
    ArchiveStart StartArchive(TrendFileSystem& files, const std::string& folder,
                              const std::string& tag, const std::vector<std::string>& titles);
    // Writes one row while the archive is on; a failed write ends the archive.
    void WriteArchiveRow(const std::vector<double>& values);
};

}  // namespace vork
