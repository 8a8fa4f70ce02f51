#include <gtest/gtest.h>

#include <fstream>

#include "project/preferences.h"
#include "support/temp_folder.h"
#include "windows/fake_desk.h"
#include "windows/language_preference.h"

namespace vork {
namespace {

TEST(LanguagePreference, FirstStartAsksOnceAndWritesTheAnswer) {
    test::TempFolder start;
    test::FakeDesk desk;
    desk.answers = {true};
    EXPECT_EQ(StartupLanguage(start.path(), desk), Language::English);
    EXPECT_EQ(desk.questions, std::vector<std::string>{std::string(kLanguageQuestion)});
    EXPECT_EQ(start.Read("preferences.cfg"), "<language> English\r\n");
    EXPECT_EQ(StartupLanguage(start.path(), desk), Language::English);
    EXPECT_EQ(desk.questions.size(), 1u);

    test::TempFolder other;
    EXPECT_EQ(StartupLanguage(other.path(), desk), Language::Portuguese);
    EXPECT_EQ(other.Read("preferences.cfg"), "<language> Portuguese\r\n");
}

TEST(LanguagePreference, OnlyTheWordEnglishWithItsCapitalSelectsEnglish) {
    test::TempFolder start;
    test::FakeDesk desk;
    std::ofstream(start.File("preferences.cfg")) << "english\r\n";
    EXPECT_EQ(StartupLanguage(start.path(), desk), Language::Portuguese);
    std::ofstream(start.File("preferences.cfg")) << "";
    EXPECT_EQ(StartupLanguage(start.path(), desk), Language::Portuguese);
    EXPECT_TRUE(desk.questions.empty());
}

TEST(LanguagePreference, TheMenuWritesAnotherLanguageAndAsksForARestart) {
    test::TempFolder start;
    test::FakeDesk desk;
    ChooseLanguage(start.path(), Language::English, Language::English, desk);
    EXPECT_FALSE(start.Has("preferences.cfg"));
    EXPECT_TRUE(desk.messages.empty());

    ChooseLanguage(start.path(), Language::Portuguese, Language::English, desk);
    ChooseLanguage(start.path(), Language::Portuguese, Language::English, desk);
    EXPECT_EQ(start.Read("preferences.cfg"), "<language> English\r\n");
    EXPECT_EQ(desk.messages, std::vector<std::string>(2, "It is necessary restart application"));

    ChooseLanguage(start.path(), Language::English, Language::Portuguese, desk);
    EXPECT_EQ(desk.messages.back(), "É necessário reiniciar o aplicativo");
    EXPECT_EQ(start.Read("preferences.cfg"), "<language> Portuguese\r\n");
}

TEST(LanguagePreference, AFileThatCannotBeWrittenIsReported) {
    test::TempFolder start;
    test::FakeDesk desk;
    std::filesystem::create_directories(start.File("preferences.cfg"));  // a folder in its place
    ChooseLanguage(start.path(), Language::Portuguese, Language::English, desk);
    ASSERT_EQ(desk.messages.size(), 2u);
    EXPECT_EQ(desk.messages[0], PreferencesWriteError(start.path()));
}

}  // namespace
}  // namespace vork
