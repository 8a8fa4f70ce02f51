#include "windows/example_gallery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace vork {
namespace {

namespace fs = std::filesystem;

TEST(ExampleGallery, EveryPictureOpensOneExampleAndEveryExampleHasAPicture) {
    std::set<std::string_view> pictures;
    for (const GalleryPage& page : kGalleryPages) {
        int shown = 0;
        for (const std::optional<GalleryExample>& example : page.examples) {
            if (!example) continue;
            ++shown;
            EXPECT_TRUE(pictures.insert(example->picture).second) << example->picture;
            EXPECT_FALSE(ExampleFile(example->picture).empty()) << example->picture;
            EXPECT_FALSE(example->title.portuguese.empty());
            EXPECT_FALSE(example->description.english.empty());
        }
        EXPECT_TRUE(shown == 2 || shown == 4) << page.caption.portuguese;
    }
    EXPECT_EQ(pictures.size(), 22u);
    EXPECT_TRUE(ExampleFile("sim20").empty());
    EXPECT_EQ(ExampleFile("sim2"), "examples/processes to model/4processes.smp");
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

class ExamplePathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("vork_gallery_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(root_ / "start");
        fs::create_directories(root_ / "share");
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(ExamplePathTest, StartFolderFirstThenTheInstalledData) {
    fs::path start = root_ / "start";
    fs::path data = root_ / "share";
    fs::path expected = data / "examples" / "boiler" / "boiler.smp";
    EXPECT_EQ(ExamplePath("sim1", start, data), expected);
    fs::create_directories(start / "examples");
    EXPECT_EQ(ExamplePath("sim1", start, data), start / "examples" / "boiler" / "boiler.smp");
    EXPECT_EQ(ExamplePath("sim4", start, data).filename(), "pHcontrol.smp");
    EXPECT_TRUE(ExamplePath("nothing", start, data).empty());
}

TEST_F(ExamplePathTest, WithoutADataFolderTheStartFolderStays) {
    fs::path start = root_ / "start";
    EXPECT_EQ(ExamplePath("sim19", start, {}),
              start / "examples" / "frequency response" / "frequencyresponse.smp");
}

}  // namespace
}  // namespace vork
