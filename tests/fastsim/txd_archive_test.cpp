#include "fastsim/txd_archive.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fastsim/paging.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

namespace fs = std::filesystem;

class ArchiveTest : public ::testing::Test {
  protected:
    // Writes an archive of `seconds` lines where M01 = 60, M21 = k, M22 = 100 - k, M61 = 50.
    std::string WriteRun(int seconds) {
        ArchiveWriter w;
        EXPECT_FALSE(w.Open(folder, "DadosDesempenho"));
        EXPECT_FALSE(w.WriteLine(ArchiveHeader(vars, seconds, 0.5)));
        for (int k = 0; k < seconds; ++k) {
            vars.Write(1, 60);
            vars.Write(21, k);
            vars.Write(22, 100 - k);
            vars.Write(61, 50);
            EXPECT_FALSE(w.WriteLine(ArchiveDataLine(vars)));
        }
        EXPECT_FALSE(w.Close());
        return w.FileName();
    }

    static std::vector<std::string> Lines(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        std::vector<std::string> lines;
        std::string all = ss.str(), line;
        for (size_t p = 0; (p = all.find("\r\n")) != std::string::npos; all.erase(0, p + 2))
            lines.push_back(all.substr(0, p));
        return lines;
    }

    test::TempFolder temp;
    fs::path folder{temp.path()};
    VariableTable vars;
};

TEST_F(ArchiveTest, NamesTakeTheSmallestFreeNumber) {
    EXPECT_EQ(WriteRun(3), "DadosDesempenho_1.txd");
    EXPECT_EQ(WriteRun(3), "DadosDesempenho_2.txd");
    fs::remove(folder / "DadosDesempenho_1.txd");
    EXPECT_EQ(WriteRun(3), "DadosDesempenho_1.txd");
    std::ofstream(folder / "other.txt") << "x";
    EXPECT_EQ(ListArchives(folder),
              (std::vector<std::string>{"DadosDesempenho_1", "DadosDesempenho_2"}));
}

TEST_F(ArchiveTest, HeaderAndDataLayout) {
    vars.SetDescription(1, "FIC-101; vazão");
    std::string header = ArchiveHeader(vars, 3600, 0.2);
    EXPECT_TRUE(header.starts_with("01 FIC-101, vazão;02 ;"));
    EXPECT_TRUE(header.ends_with("99 ;0.2;3600;"));
    EXPECT_EQ(std::count(header.begin(), header.end(), ';'), 101);
    vars.Write(1, 100);
    vars.Write(2, 5);
    vars.Write(3, -3.25);
    std::string data = ArchiveDataLine(vars);
    EXPECT_TRUE(data.starts_with("100.00; 5.00;-3.25; 0.00;"));
    EXPECT_EQ(std::count(data.begin(), data.end(), ';'), 99);
}

TEST_F(ArchiveTest, WrittenFileHasOneLinePerSecondInWindows1252) {
    vars.SetDescription(21, "Pressão");
    std::string name = WriteRun(3600);
    std::vector<std::string> lines = Lines(folder / name);
    ASSERT_EQ(lines.size(), 3601u);
    EXPECT_NE(lines[0].find("21 Press\xE3o;"), std::string::npos);
}

TEST_F(ArchiveTest, LoadChartsTheConfiguredColumns) {
    std::string name = WriteRun(5);
    LoopConfigs loops;
    loops[0] = {true, 21, "%"};
    auto load = LoadArchive(folder / name, loops, vars, true);
    ASSERT_EQ(load.error, "");
    EXPECT_EQ(load.windowSeconds, 5);
    EXPECT_EQ(load.curves[0].pv, (std::vector<double>{0, 1, 2, 3, 4}));
    EXPECT_EQ(load.curves[0].co[4], 60);
    EXPECT_EQ(load.curves[0].sp[4], 50);
    // After the loop's PV changed to M22 the other column is charted.
    loops[0].pvAddress = 22;
    load = LoadArchive(folder / name, loops, vars, true);
    EXPECT_EQ(load.curves[0].pv[1], 99);
}

TEST_F(ArchiveTest, LoadInEngineeringUnits) {
    std::string name = WriteRun(3);
    vars.SetAttribute(21, AttributeField::UeMax, "200");
    LoopConfigs loops;
    loops[0] = {true, 21, "bar"};
    auto load = LoadArchive(folder / name, loops, vars, false);
    EXPECT_EQ(load.curves[0].pv[2], 4);
    EXPECT_EQ(load.curves[0].sp[2], 100);
    EXPECT_EQ(load.curves[0].co[2], 60);
}

TEST_F(ArchiveTest, DamagedArchivesStopWithTheLine) {
    LoopConfigs loops;
    loops[0] = {true, 21, "%"};
    std::string header = ArchiveHeader(vars, 4, 1.0);
    std::string good = ArchiveDataLine(vars);
    auto write = [&](const std::string& text) {
        std::ofstream(folder / "bad.txd", std::ios::binary) << text;
        return LoadArchive(folder / "bad.txd", loops, vars, true).error;
    };
    EXPECT_EQ(write(header + "\r\n" + good + "\r\n"),
              "bad.txd, line 3: the archive ends before its announced 4 seconds");
    EXPECT_EQ(write(header + "\r\n" + good + "\r\n1;2;\r\n"),
              "bad.txd, line 3: field 21 is missing or not a number");
    std::string letters = good;
    letters.replace(0, 5, "  abc");
    EXPECT_EQ(write(header + "\r\n" + letters + "\r\n"),
              "bad.txd, line 2: field 1 is missing or not a number");
    EXPECT_EQ(write("garbage\r\n"), "bad.txd, line 1: the header does not give a window length");
    EXPECT_EQ(write(""), "Cannot read the file " + (folder / "bad.txd").string());
    // LF line ends read as well.
    EXPECT_EQ(write(header + "\n" + good + "\n" + good + "\n" + good + "\n" + good + "\n"), "");
}

TEST(ArchiveField, ReadsTerminatedFields) {
    EXPECT_EQ(ArchiveField(" 5.00;100.00;", 1), 5.0);
    EXPECT_EQ(ArchiveField(" 5.00;100.00;", 2), 100.0);
    EXPECT_FALSE(ArchiveField(" 5.00;100.00", 2));  // not terminated
    EXPECT_FALSE(ArchiveField(" 5.00;", 3));
    EXPECT_FALSE(ArchiveField(";", 1));
    EXPECT_EQ(ArchiveField("-3.25;", 1), -3.25);
}

TEST(Paging, FourHourPagesOfFifteenMinutes) {
    EXPECT_EQ(PointsPerPage(0), 900);
    EXPECT_EQ(PointsPerPage(4), 14400);
    int pages = PageCount(14400, PointsPerPage(0));
    EXPECT_EQ(pages, 16);
    for (int loop : {1, 2}) {
        LoopPages p;
        for (int i = 0; i < 30; ++i)
            p.Next(loop, pages, 2);
        EXPECT_EQ(p.upper, loop == 1 ? 16 : 10);
        EXPECT_EQ(p.lower, 2);  // the lower chart stops at its last page
        for (int i = 0; i < 30; ++i)
            p.Previous();
        EXPECT_EQ(p.upper, 1);
        EXPECT_EQ(p.lower, 1);
    }
    EXPECT_EQ(PageCount(0, 900), 1);
    EXPECT_EQ(PageCount(1800, 1800), 1);
}

}  // namespace
}  // namespace vork
