#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/language.h"

namespace vork {

// A text in both interface languages; the English one may hold line breaks.
struct GalleryText {
    std::string_view portuguese;
    std::string_view english;

    std::string_view In(Language language) const {
        return language == Language::English ? english : portuguese;
    }
};

// One example of the gallery: its picture (also the key of its file), title, description and
// the picture's hint (Portuguese only; empty when it has none). Its title label and description
// box are "sim<label>title" and "Memo<label>"; the label is the picture's number but for sim2 and
// sim4, whose texts sit beside each other's picture.
struct GalleryExample {
    std::string_view picture;  // "sim18"
    std::string_view label;    // "18"
    GalleryText title;
    GalleryText description;
    std::string_view hint;
};

// A page of the gallery `TabbedNotebook1` with its two or four examples, upper-left,
// upper-right, lower-left, lower-right.
struct GalleryPage {
    GalleryText caption;
    std::array<std::optional<GalleryExample>, 4> examples;
};

extern const std::array<GalleryPage, 6> kGalleryPages;

}  // namespace vork
