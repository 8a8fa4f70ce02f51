#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/rtf_reader.h"

namespace vork {
namespace {

// Paragraphs joined by "\n".
std::string Text(const RichDocument& document) {
    std::string text;
    for (const RichParagraph& paragraph : document.paragraphs) {
        if (&paragraph != &document.paragraphs.front()) text += '\n';
        for (const RichRun& run : paragraph.runs)
            text += run.text;
    }
    return text;
}

std::string Text(std::string_view rtf) {
    return Text(ReadRtf(rtf));
}

TEST(RtfReader, WordPadDocumentShowsColoursBoldAndAccents) {
    RichDocument document = ReadRtf(R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil Arial;}}
{\colortbl ;\red255\green0\blue0;\red0\green128\blue255;}
{\*\generator Riched20 10.0.19041;}\viewkind4\uc1
\pard\qc\cf1\b\fs28 Malha de vaz\'e3o\b0\par
\pard\cf2\i Caf\u233?\i0\cf0  e caf\'e9\par
}
)");
    ASSERT_EQ(document.paragraphs.size(), 2u);
    const RichParagraph& title = document.paragraphs[0];
    EXPECT_EQ(title.alignment, RichAlignment::Centre);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].text, "Malha de vazão");
    EXPECT_TRUE(title.runs[0].format.bold);
    EXPECT_EQ(title.runs[0].format.colour, Rgb(255, 0, 0));
    EXPECT_EQ(title.runs[0].format.Points(), 14.0);

    const RichParagraph& body = document.paragraphs[1];
    EXPECT_EQ(body.alignment, RichAlignment::Left);
    ASSERT_EQ(body.runs.size(), 2u);
    EXPECT_EQ(body.runs[0].text, "Café");
    EXPECT_TRUE(body.runs[0].format.italic);
    EXPECT_FALSE(body.runs[0].format.bold);
    EXPECT_EQ(body.runs[0].format.colour, Rgb(0, 128, 255));
    EXPECT_EQ(body.runs[1].text, " e café");
    EXPECT_EQ(body.runs[1].format.colour, std::nullopt);  // \cf0: the table's "auto" entry
    EXPECT_EQ(body.runs[1].format.halfPoints, 28);        // \pard leaves characters alone
}

TEST(RtfReader, GroupsSaveAndRestoreFormatting) {
    RichDocument document = ReadRtf(R"({\rtf1 a{\b b{\i\ul c}d}e\i f\plain g\ul h\ulnone i})");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const std::vector<RichRun>& runs = document.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 9u);
    for (size_t plain : {0, 4, 6, 8})
        EXPECT_EQ(runs[plain].format, RichFormat{}) << runs[plain].text;
    EXPECT_EQ(runs[1].text, "b");
    EXPECT_TRUE(runs[1].format.bold && !runs[1].format.italic);
    EXPECT_TRUE(runs[2].format.bold && runs[2].format.italic && runs[2].format.underline);
    EXPECT_TRUE(runs[3].format.bold && !runs[3].format.italic && !runs[3].format.underline);
    EXPECT_TRUE(runs[5].format.italic);
    EXPECT_TRUE(runs[7].format.underline);
}

TEST(RtfReader, ControlWordsSymbolsAndParagraphs) {
    EXPECT_EQ(Text(R"({\rtf1 \b bold\b0,x\i-y\i-2 z})"),
              "bold,x-yz");  // delimiters; '-' a sign only before digits
    EXPECT_EQ(Text(R"({\rtf1 a\\b\{c\}d\-e})"), "a\\b{c}de");
    EXPECT_EQ(Text(R"({\rtf1 a\~b\_c\tab d\line e})"), "a\u00A0b\u2011c\td\u2028e");
    EXPECT_EQ(Text("{\\rtf1 a\r\nb\\\nc\\par\\par}"), "ab\nc\n");  // line ends; \ before one
    EXPECT_EQ(ReadRtf(R"({\rtf1 \qr right})").paragraphs[0].alignment, RichAlignment::Right);
    EXPECT_EQ(ReadRtf(R"({\rtf1 \qj x\pard\par})").paragraphs[0].alignment, RichAlignment::Left);
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    EXPECT_EQ(Text(R"({\rtf1 caf\u233?!})"), "café!");
    EXPECT_EQ(Text(R"({\rtf1\uc2 \u8364 EUR})"), "€R");
    EXPECT_EQ(Text(R"({\rtf1 \u8364\'80 x})"), "€ x");      // a \'hh is one fallback character
    EXPECT_EQ(Text(R"({\rtf1 {\uc3\u8364}ab})"), "€ab");    // a brace ends the fallback
    EXPECT_EQ(Text(R"({\rtf1 {\uc0\u233}\u233?})"), "éé");  // \uc is scoped to its group
    EXPECT_EQ(Text(R"({\rtf1 \u-10179?\u-8704?})"), "\U0001F600");    // a surrogate pair
    EXPECT_EQ(Text(R"({\rtf1 a\u-8704?b\u-10179?c\u0?d})"), "abcd");  // lone halves and NUL
}

TEST(RtfReader, DestinationsWithoutBodyTextAreSkipped) {
    EXPECT_EQ(Text(R"({\rtf1{\fonttbl{\f0 Arial;}}{\stylesheet{\s0 Normal;}}{\info{\title T}}a})"),
              "a");
    EXPECT_EQ(Text(R"({\rtf1{\header H}{\footer F}{\pict\pngblip 89504e47}{\*\unknown U}b})"), "b");
    EXPECT_EQ(Text(R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})"), "link");
    EXPECT_EQ(Text(R"({\rtf1 x\bin4 }}{\y})"), "xy");     // binary data, braces and all
    EXPECT_EQ(Text(R"({\rtf1 a\fonttbl b\*c})"), "abc");  // only as the first word of a group
}

TEST(RtfReader, ColourTableEdges) {
    RichDocument document =
        ReadRtf(R"({\rtf1{\colortbl;\red300\green0\blue-5\ctint9;}\cf1 a\cf7 b\cf-1 c\cf2 d})");
    const std::vector<RichRun>& runs = document.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].format.colour, Rgb(255, 0, 0));  // components clamped
    EXPECT_EQ(runs[1].text, "bcd");                    // out of the table: default
    EXPECT_EQ(runs[1].format.colour, std::nullopt);
}

TEST(RtfReader, MalformedRtfShowsWhatItCan) {
    EXPECT_EQ(Text(R"({\rtf1 a}}}b{c)"), "abc");
    EXPECT_EQ(Text(R"({\rtf1 a\b)"), "a");
    EXPECT_EQ(Text("{\\rtf1 a\\"), "a");
    EXPECT_EQ(Text(R"({\rtf1 a\'4)"), "a4");
    EXPECT_EQ(Text(R"({\rtf1 a\'zz\qzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz b})"), "azzb");
    RichDocument huge = ReadRtf(R"({\rtf1\fs99999999999999999999 a\fs0 b\fs1 c})");
    const std::vector<RichRun>& runs = huge.paragraphs.at(0).runs;
    EXPECT_EQ(runs.at(0).format.halfPoints, 3276);
    EXPECT_EQ(runs.at(1).format.halfPoints, 24);
    EXPECT_EQ(runs.at(2).format.halfPoints, 2);
}

TEST(RtfReader, DeepNestingKeepsTextAndRestoresOnceShallowAgain) {
    std::string rtf = "{\\rtf1 " + std::string(100000, '{') + "\\b x" + std::string(100000, '}') +
                      "y" + std::string(100000, '{');
    RichDocument document = ReadRtf(rtf);
    const std::vector<RichRun>& runs = document.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].format.bold);
    EXPECT_FALSE(runs[1].format.bold);
}

TEST(RtfReader, OtherBytesAreShownAsPlainText) {
    EXPECT_EQ(Text("Linha 1\r\nLinha 2\rcaf\xE9\n"), "Linha 1\nLinha 2\ncafé");  // Windows-1252
    EXPECT_EQ(Text("\xEF\xBB\xBF"
                   "caf\xC3\xA9\n\nfim"),
              "café\n\nfim");  // UTF-8
    EXPECT_EQ(Text(std::string("a\0b\tc", 5)), "ab\tc");
    EXPECT_EQ(Text(" \n {\\rtf1 x}"), "x");
    EXPECT_EQ(Text("{\\rtf"), "");
    EXPECT_TRUE(ReadRtf("").paragraphs.empty());
    EXPECT_EQ(ReadRtf("{\\b x}").paragraphs.at(0).runs.at(0).text, "{\\b x}");
    EXPECT_TRUE(IsRtf(" \n {\\rtf1 x}"));
    EXPECT_FALSE(IsRtf("{\\b x}"));
}

}  // namespace
}  // namespace vork
