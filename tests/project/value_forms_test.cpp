#include <gtest/gtest.h>

#include "engine/windows1252.h"
#include "project/colour_text.h"
#include "project/line_reader.h"
#include "project/line_writer.h"
#include "project/load_error.h"
#include "project/record_grammar.h"
#include "project/value_forms.h"

namespace vork {
namespace {

TEST(ValueForms, FlagsAreTrueOnlyForTheirExactWord) {
    EXPECT_EQ(CapsFlag(true), "TRUE");
    EXPECT_EQ(WordFlag(false), "False");
    EXPECT_TRUE(ReadCapsFlag("TRUE"));
    EXPECT_TRUE(ReadWordFlag("True"));
    for (const char* text : {"true", "TRUE ", " TRUE", "True", "1", ""})
        EXPECT_FALSE(ReadCapsFlag(text)) << text;
    for (const char* text : {"true", "True ", "TRUE", ""})
        EXPECT_FALSE(ReadWordFlag(text)) << text;
}

TEST(ValueForms, IntegersReadLeniently) {
    EXPECT_EQ(IntegerText(-4), "-4");
    EXPECT_EQ(ReadInteger("312"), 312);
    EXPECT_EQ(ReadInteger("  -4"), -4);
    EXPECT_EQ(ReadInteger("12.7"), 12);
    EXPECT_EQ(ReadInteger("x"), 0);
    EXPECT_EQ(ReadInteger(""), 0);
    EXPECT_EQ(ReadInteger("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadInteger("-99999999999999999999"), -2147483647 - 1);
}

TEST(ValueForms, BilingualTextSplitsAtTheFirstBar) {
    EXPECT_EQ(LanguagePart("Caldeira|Boiler", Language::Portuguese), "Caldeira");
    EXPECT_EQ(LanguagePart("Caldeira|Boiler", Language::English), "Boiler");
    EXPECT_EQ(LanguagePart("Vazão", Language::English), "Vazão");
    EXPECT_EQ(LanguagePart("|en", Language::Portuguese), "");
    EXPECT_EQ(LanguagePart(" a | b ", Language::English), " b ");
}

TEST(ValueForms, ColoursByNameOrHexadecimal) {
    EXPECT_EQ(ColourText(Rgb(0, 128, 255)), "$00FF8000");
    EXPECT_EQ(ColourText(Rgb(255, 0, 0)), "clRed");
    EXPECT_EQ(ColourText(Rgb(160, 160, 164)), "clMedGray");
    EXPECT_EQ(ColourText(Rgb(192, 220, 192)), "clMoneyGreen");
    EXPECT_EQ(ParseColour("clSkyBlue"), Rgb(166, 202, 240));
    EXPECT_EQ(ParseColour("$00FF8000"), Rgb(0, 128, 255));
    EXPECT_EQ(ParseColour("$00ff8000"), Rgb(0, 128, 255));
    for (const char* bad : {"", "clred", "$FF8000", "$00FF800G", "00FF8000", "$00FF80001"})
        EXPECT_FALSE(ParseColour(bad).has_value()) << bad;
}

TEST(RecordGrammar, HeadersAndPrefixes) {
    EXPECT_EQ(RecordHeader("=====<<<CONTROLADOR:", 3), "=====<<<CONTROLADOR:03>>>=====");
    EXPECT_EQ(RecordHeader("=====<<<REGISTRADOR:", 202), "=====<<<REGISTRADOR:202>>>=====");
    EXPECT_EQ(ItemPrefix('C', 3, 14), "{C03/14} ");
    EXPECT_EQ(ItemPrefix('P', 71, 1), "{P71/01} ");
    EXPECT_EQ(ItemPrefix('R', std::nullopt, 9), "{R/09} ");
    LineWriter out;
    RecordWriter record(out, 'C', 3);
    record.Header(RecordHeader("=====<<<CONTROLADOR:", 3));
    record.Item("Tag:", "FIC-3");
    record.Item("", "42.50");
    EXPECT_EQ(out.Text(),
              "=====<<<CONTROLADOR:03>>>=====\r\n{C03/01} Tag:FIC-3\r\n{C03/02} 42.50\r\n");
}

TEST(RecordGrammar, ValuesComeFromFixedCharacterPositions) {
    std::string bytes = ToWindows1252(
        "header\r\n{C01/03} Kp:4\r\n{C01/16} Endereço  BackMV:7\r\n{C01/03} Kc:2,5\r\n"
        "{C01/14} Indice lista PV:x\r\n{C1}\r\n");
    LineReader in(bytes);
    RecordReader record(in, kPrefixWithIdentifier);
    record.SkipHeader();
    EXPECT_EQ(record.Text("Kc:"), "4");  // the key is not compared, only its length counts
    EXPECT_EQ(record.StrictInteger("Endereço  BackMV:"), 7);  // "ç" is one character
    EXPECT_EQ(record.Text("Kc:"), "2,5");
    try {
        record.StrictInteger("Indice lista PV:");
        FAIL() << "a strict integer was accepted";
    } catch (const LoadError& e) {
        EXPECT_EQ(e.line(), 5);
        EXPECT_EQ(e.found(), "x");
    }
    EXPECT_EQ(record.Text("Tag:"), "");  // shorter than the position
    EXPECT_EQ(ValueFrom("{T/01} Desc:ação", 13), "ação");
}

TEST(LineReader, AcceptsCrLfAndLfAndKeepsCounting) {
    LineReader in(std::string("a\r\nb\nc\r\r\n\xE7\xE3o"));
    EXPECT_EQ(in.Next(), "a");
    EXPECT_EQ(in.Next(), "b");
    EXPECT_EQ(in.Next(), "c\r");
    EXPECT_EQ(in.Next(), "ção");
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.LineNumber(), 4);
    EXPECT_EQ(in.Next(), "");
    EXPECT_EQ(in.LineNumber(), 5);
    try {
        in.StrictInteger("");
        FAIL();
    } catch (const LoadError& e) {
        EXPECT_TRUE(e.pastEnd());
        EXPECT_EQ(e.Message(Language::English),
                  "'' is not a valid integer value (line 5; the file ends at line 4)");
    }
}

TEST(LineWriter, EndsLinesWithCrLfAndKeepsValuesOnOneLine) {
    LineWriter out;
    out.Put("Pressão");
    out.Put("a\r\nb");
    EXPECT_EQ(out.Text(), "Pressão\r\na  b\r\n");
    EXPECT_EQ(out.Bytes(), "Press\xE3o\r\na  b\r\n");
}

}  // namespace
}  // namespace vork
