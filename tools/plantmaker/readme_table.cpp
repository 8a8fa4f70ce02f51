#include "plantmaker/readme_table.h"

#include <algorithm>
#include <cstdlib>

namespace vork::plantmaker {

namespace {

constexpr const char* kBegin = "<!-- examples table: written by plantmaker --readme -->";
constexpr const char* kEnd = "<!-- end of examples table -->";

// Gallery keys in the order of the example-file table: sim1, sim2, sim3a .. sim3d, sim4 ..
std::pair<int, std::string> GalleryOrder(const std::string& key) {
    size_t digits = key.find_first_of("0123456789");
    if (digits == std::string::npos) return {0, key};
    size_t end = key.find_first_not_of("0123456789", digits);
    std::string number = key.substr(digits, end - digits);
    return {std::atoi(number.c_str()), end == std::string::npos ? "" : key.substr(end)};
}

}  // namespace

std::string ReadmeTable(const std::vector<const Identity*>& examples) {
    std::vector<const Identity*> sorted = examples;
    std::sort(sorted.begin(), sorted.end(), [](const Identity* a, const Identity* b) {
        return GalleryOrder(a->galleryKey) < GalleryOrder(b->galleryKey);
    });
    std::string table = std::string(kBegin) + "\n\n| | Example | File |\n|---|---|---|\n";
    for (const Identity* e : sorted) {
        std::string path = "examples/" + e->folder + "/" + e->file;
        table += "| ![" + e->galleryKey + "](examples/gallery/" + e->galleryKey + ".png) | **" +
                 e->title.en + "** (" + e->title.pt + "): " + e->summary + " | [" + e->file +
                 "](<" + path + ">) |\n";
    }
    return table + "\n" + kEnd;
}

bool ReplaceReadmeTable(std::string& readme, const std::string& table) {
    size_t begin = readme.find(kBegin);
    size_t end = readme.find(kEnd);
    if (begin == std::string::npos || end == std::string::npos || end < begin) return false;
    readme.replace(begin, end + std::string(kEnd).size() - begin, table);
    return true;
}

}  // namespace vork::plantmaker
