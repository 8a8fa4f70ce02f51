#include <gtest/gtest.h>

#include "fake_records.h"

namespace vork {
namespace {

using testing::FakeProject;
using testing::Join;
using testing::Lines;

TEST(FrameComments, EachLanguageReadsItsOwnPair) {
    FakeProject source(Language::Portuguese);
    source.workspace.Comments(Language::Portuguese) = {"Malha de vazão", "<BEGIN_COMMENTS>"};
    std::string file = source.Write();
    std::vector<std::string> lines = Lines(file);
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - 6, lines.end()),
        (std::vector<std::string>{"<INICIO_COMENTARIOS>", "Malha de vazão", "<BEGIN_COMMENTS>",
                                  "<FIM_COMENTARIOS>", "<BEGIN_COMMENTS>", "<END_COMMENTS>"}));

    FakeProject english(Language::English);
    english.Read(file);
    EXPECT_TRUE(english.workspace.Comments(Language::English).empty());
    // Saving in English keeps the Portuguese lines in their own pair.
    english.workspace.Comments(Language::English) = {"Flow loop"};
    FakeProject portuguese(Language::Portuguese);
    portuguese.Read(english.Write());
    EXPECT_EQ(portuguese.workspace.Comments(Language::Portuguese),
              (std::vector<std::string>{"Malha de vazão", "<BEGIN_COMMENTS>"}));
    EXPECT_EQ(portuguese.workspace.Comments(Language::English),
              (std::vector<std::string>{"Flow loop"}));
}

TEST(FrameComments, EndMarkerAsCommentLineEndsTheBlockEarly) {
    FakeProject source;
    source.workspace.commentsPortuguese = {"antes", "<FIM_COMENTARIOS>", "depois"};
    FakeProject loaded;
    loaded.Read(source.Write());
    EXPECT_EQ(loaded.workspace.commentsPortuguese, (std::vector<std::string>{"antes"}));
}

TEST(FrameComments, DisplayFlagSetsThePanel) {
    FakeProject source;
    source.workspace.showComments = true;
    FakeProject loaded;
    loaded.Read(source.Write());
    EXPECT_TRUE(loaded.workspace.showComments);
}

TEST(FrameComments, FileWithoutCommentMarkersLoadsWithEmptyPanel) {
    FakeProject source;
    source.workspace.commentsPortuguese = {"x"};
    source.characterizer.Lin1PV[5] = "90";
    std::vector<std::string> lines = Lines(source.Write());
    for (size_t keep : {lines.size() - 5, lines.size() - 6}) {  // with and without the flag
        std::vector<std::string> cut(lines.begin(), lines.begin() + keep);
        FakeProject loaded;
        loaded.workspace.showComments = true;
        loaded.Read(Join(cut));
        EXPECT_TRUE(loaded.workspace.commentsPortuguese.empty());
        EXPECT_TRUE(loaded.workspace.commentsEnglish.empty());
        EXPECT_EQ(loaded.characterizer.Lin1PV[5], "90");
    }
}

TEST(FrameComments, UnterminatedBlockRunsToTheEndOfFile) {
    std::vector<std::string> lines = Lines(FakeProject().Write());
    lines.resize(lines.size() - 3);  // cut after "<INICIO_COMENTARIOS>"
    lines.push_back("um");
    lines.push_back("dois");
    FakeProject loaded;
    loaded.Read(Join(lines));
    EXPECT_EQ(loaded.workspace.commentsPortuguese, (std::vector<std::string>{"um", "dois"}));
}

}  // namespace
}  // namespace vork
