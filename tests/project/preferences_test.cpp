#include <gtest/gtest.h>

#include <fstream>

#include "project/preferences.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

TEST(Preferences, EnglishOnlyWhenTheFirstLineSaysEnglish) {
    EXPECT_EQ(LanguageOfPreferenceLine("<language> English"), Language::English);
    EXPECT_EQ(LanguageOfPreferenceLine("xEnglishx"), Language::English);
    EXPECT_EQ(LanguageOfPreferenceLine("<language> english"), Language::Portuguese);
    EXPECT_EQ(LanguageOfPreferenceLine(""), Language::Portuguese);

    test::TempFolder folder;
    EXPECT_EQ(ReadLanguagePreference(folder.path()), std::nullopt);
    std::ofstream(folder.File("preferences.cfg")) << "<language> Portuguese\r\nEnglish\r\n";
    EXPECT_EQ(ReadLanguagePreference(folder.path()), Language::Portuguese);
    std::ofstream(folder.File("preferences.cfg")) << "<language> English\r\n";
    EXPECT_EQ(ReadLanguagePreference(folder.path()), Language::English);
}

}  // namespace
}  // namespace vork
