#include "engine/windows1252.h"

#include <gtest/gtest.h>

namespace vork {
namespace {

TEST(Windows1252, AccentsRoundTrip) {
    std::string utf8 = "Inconsistência na Equação! Saída Posição €";
    std::string bytes = ToWindows1252(utf8);
    EXPECT_EQ(bytes.substr(0, 10), "Inconsist\xEA");
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x80);
    EXPECT_EQ(FromWindows1252(bytes), utf8);
}

TEST(Windows1252, EveryDefinedByteRoundTrips) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(ToWindows1252(FromWindows1252(one)), one) << b;
    }
}

TEST(Windows1252, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(ToWindows1252("a\xE2\x88\x9E"
                            "b"),
              "a?b");                         // infinity sign
    EXPECT_EQ(ToWindows1252("a\xC3"), "a?");  // truncated sequence
    EXPECT_EQ(ToWindows1252("\xFF"), "?");
    EXPECT_EQ(FromWindows1252("\x81"), "\xEF\xBF\xBD");
}

TEST(Windows1252, Utf8CheckIsStrict) {
    std::string smiley;
    AppendUtf8(smiley, 0x1F600);
    EXPECT_EQ(smiley, "\xF0\x9F\x98\x80");
    EXPECT_TRUE(IsUtf8("café " + smiley));
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80",
                            "a\xC3", "\x80", "caf\xE9"})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
}

}  // namespace
}  // namespace vork
