// Writes a class folder for the grading benchmark: COUNT variants of the given projects, one
// per student folder, each with every controller's Kc and Ti scaled by its own factors, as
// students' tunings of the same exercise would differ.
//
//   make_grade_folder OUT COUNT PROJECT.smp...

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/numbers.h"
#include "plant/controller.h"
#include "project/project.h"

namespace {

using namespace vork;

// Factors from 0.5 to 1.5, different for Kc and Ti and for each variant.
double Factor(int variant, int salt) {
    return 0.5 + ((variant * 37 + salt * 11) % 21) / 20.0;
}

void Scale(std::string& text, double factor) {
    text = ShortestText(Round15(ParseLenient(text) * factor));
}

bool WriteVariant(const std::filesystem::path& source, const std::filesystem::path& folder,
                  int variant) {
    Project project;
    FileResult loaded = project.Load(source);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s: %s\n", source.string().c_str(), loaded.error.c_str());
        return false;
    }
    for (int k = 1; k <= 10; ++k) {
        Controller* c = project.sim.controllers.Get(k);
        if (!c) continue;
        Scale(c->fields.KpText, Factor(variant, 1));
        Scale(c->fields.KiText, Factor(variant, 2));
        c->Validate(project.sim);
    }
    std::filesystem::create_directories(folder);
    FileResult saved = project.Save(folder / source.filename());
    if (!saved.ok()) std::fprintf(stderr, "%s\n", saved.error.c_str());
    return saved.ok();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_grade_folder OUT COUNT PROJECT.smp...\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    int count = std::stoi(argv[2]);
    std::vector<std::filesystem::path> sources(argv + 3, argv + argc);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "student%03d", i + 1);
        if (!WriteVariant(sources[static_cast<size_t>(i) % sources.size()], out / name, i))
            return 1;
    }
    return 0;
}
