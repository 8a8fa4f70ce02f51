#include "windows/example_gallery.h"
#include "windows/example_files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vork {
namespace {

TEST(ExampleGallery, EveryPictureOpensOneExampleAndEveryExampleHasAPicture) {
    std::set<std::string_view> pictures;
    for (const GalleryPage& page : kGalleryPages) {
        int shown = 0;
        for (const std::optional<GalleryExample>& example : page.examples) {
            if (!example) continue;
            ++shown;
            EXPECT_TRUE(pictures.insert(example->picture).second) << example->picture;
            EXPECT_TRUE(ExampleFile(example->picture)) << example->picture;
            EXPECT_FALSE(example->title.portuguese.empty());
            EXPECT_FALSE(example->description.english.empty());
        }
        EXPECT_TRUE(shown == 2 || shown == 4) << page.caption.portuguese;
    }
    EXPECT_EQ(pictures.size(), 22u);
}

TEST(ExampleGallery, PagesReadInBothLanguages) {
    EXPECT_EQ(kGalleryPages[0].caption.In(Language::Portuguese), "Vazão/Pressão");
    EXPECT_EQ(kGalleryPages[5].caption.In(Language::English), "Others");
    // "Outros": upper-left sim4, lower-left sim2.
    EXPECT_EQ(kGalleryPages[5].examples[0]->picture, "sim4");
    EXPECT_EQ(kGalleryPages[5].examples[2]->picture, "sim2");
    EXPECT_EQ(kGalleryPages[5].examples[0]->label, "2");
    EXPECT_EQ(kGalleryPages[3].examples[3]->label, "1");
    const GalleryExample& bypass = *kGalleryPages[0].examples[1];
    EXPECT_EQ(bypass.description.In(Language::English).substr(0, 21), "Course-Fine Control\n\n");
    EXPECT_EQ(bypass.description.In(Language::Portuguese).substr(0, 24),
              "Controle \"Grosso-Fino\".\n");
}

}  // namespace
}  // namespace vork
