// plantmaker: writes each example's simulation file, plant picture and gallery thumbnail from its
// description in examples/. See README.md in this folder.
//
//   plantmaker [--out DIR] [--smp-only] [--preview DIR] [--readme FILE] [--force] [NAME...]
//   plantmaker --list

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "plant/controller.h"
#include "plantmaker/example.h"
#include "plantmaker/example_list.h"
#include "plantmaker/painter.h"
#include "plantmaker/readme_table.h"

namespace {

using namespace vork;
using namespace vork::plantmaker;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: plantmaker [--out DIR] [--smp-only] [--preview DIR] [--readme FILE] [--force] "
    "[NAME...]\n"
    "       plantmaker --list\n";

struct Options {
    fs::path out = VORK_EXAMPLES_DIR;
    bool smpOnly = false;
    bool force = false;
    bool list = false;
    fs::path preview;
    fs::path readme;
    std::vector<std::string> names;
};

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool valued = arg == "--out" || arg == "--preview" || arg == "--readme";
        if (valued && i + 1 >= argc) return false;
        if (arg == "--out")
            o.out = argv[++i];
        else if (arg == "--preview")
            o.preview = argv[++i];
        else if (arg == "--readme")
            o.readme = argv[++i];
        else if (arg == "--smp-only")
            o.smpOnly = true;
        else if (arg == "--force")
            o.force = true;
        else if (arg == "--list")
            o.list = true;
        else if (arg.rfind("--", 0) == 0)
            return false;
        else
            o.names.push_back(arg);
    }
    return true;
}

void MakeFolder(const fs::path& file) {
    std::error_code ignored;  // a folder that cannot be made shows as a failed write
    if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), ignored);
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
    MakeFolder(path);
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

bool SaveImage(const QImage& image, const fs::path& path) {
    MakeFolder(path);
    return image.save(QString::fromStdString(path.string()), "PNG");
}

bool Selected(const Options& o, const std::string& name) {
    return o.names.empty() || std::find(o.names.begin(), o.names.end(), name) != o.names.end();
}

// The example's loops, for --list: "FIC-101 TIC-102".
std::string Loops(Example& ex) {
    std::string loops;
    ex.project().sim.controllers.ForEach(
        [&](const Controller& c) { loops += (loops.empty() ? "" : " ") + c.fields.TagText; });
    return loops;
}

bool Write(Example& ex, const Options& o) {
    const Identity& id = ex.identity();
    fs::path folder = o.out / id.folder;
    bool ok = WriteBytes(folder / id.file, ex.FileBytes());
    if (o.smpOnly && o.preview.empty()) return ok;
    QImage picture = PaintPicture(ex);
    if (!o.smpOnly) {
        ok = SaveImage(picture, folder / id.picture) && ok;
        ok = SaveImage(Thumbnail(picture), o.out / "gallery" / (id.galleryKey + ".png")) && ok;
    }
    if (!o.preview.empty())
        ok = SaveImage(PaintPreview(picture, ex), o.preview / (id.galleryKey + ".png")) && ok;
    return ok;
}

bool UpdateReadme(const fs::path& path, const std::vector<const Identity*>& identities) {
    std::ifstream in(path, std::ios::binary);
    std::string readme{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!ReplaceReadmeTable(readme, ReadmeTable(identities))) {
        std::fprintf(stderr, "plantmaker: %s has no examples table markers\n",
                     path.string().c_str());
        return false;
    }
    return WriteBytes(path, readme);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    // Painting needs a platform for its fonts; none of a display.
    std::unique_ptr<QGuiApplication> app;
    if (!o.smpOnly || !o.preview.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    int status = 0;
    std::vector<std::unique_ptr<Example>> examples;
    for (const ExampleEntry& entry : AllExamples()) {
        if (!Selected(o, entry.name) && o.readme.empty()) continue;
        auto ex = std::make_unique<Example>();
        entry.describe(*ex);
        std::vector<std::string> problems = ex->Finish();
        for (const std::string& problem : problems)
            std::fprintf(stderr, "%s: %s\n", entry.name, problem.c_str());
        if (!problems.empty()) status = 1;
        const Identity& id = ex->identity();
        if (o.list) {
            std::printf("%s\t%s\texamples/%s/%s\t%s\n", entry.name, id.galleryKey.c_str(),
                        id.folder.c_str(), id.file.c_str(), Loops(*ex).c_str());
        } else if (Selected(o, entry.name) && (problems.empty() || o.force) && !Write(*ex, o)) {
            std::fprintf(stderr, "%s: could not write below %s\n", entry.name,
                         o.out.string().c_str());
            status = 1;
        }
        examples.push_back(std::move(ex));
    }
    if (!o.readme.empty()) {
        std::vector<const Identity*> identities;
        for (const auto& ex : examples)
            identities.push_back(&ex->identity());
        if (!UpdateReadme(o.readme, identities)) status = 1;
    }
    return status;
}
