#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/windows1252.h"
#include "project/rtf_reader.h"

// Any bytes as a comment file. Whatever they hold, the document must be well formed: runs of
// well-formed UTF-8, never empty, each in another format than the run before, font sizes in
// range, at most one paragraph per input byte and at most three bytes of text per input byte (the
// most a Windows-1252 byte becomes), so that memory stays linear in the input.
namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vork::RichDocument document = vork::ReadRtf(bytes);
    Require(document.paragraphs.size() <= size);
    size_t textBytes = 0;
    for (const vork::RichParagraph& paragraph : document.paragraphs) {
        const vork::RichFormat* previous = nullptr;
        for (const vork::RichRun& run : paragraph.runs) {
            Require(!run.text.empty() && vork::IsUtf8(run.text));
            Require(previous == nullptr || run.format != *previous);
            Require(run.format.halfPoints >= 2 && run.format.halfPoints <= 3276);
            previous = &run.format;
            textBytes += run.text.size();
        }
    }
    Require(textBytes <= 3 * size);
    return 0;
}
