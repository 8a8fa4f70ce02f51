#include "fastsim/archive_row.h"

#include <gtest/gtest.h>

#include "fastsim/txd_archive.h"
#include "support/temp_folder.h"

namespace vork {
namespace {

// An archive "Run_1" of three seconds with M01 = 60, M21 = 40 and M61 = 50 throughout.
class ArchiveRowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vars.Write(1, 60);
        vars.Write(21, 40);
        vars.Write(61, 50);
        ArchiveWriter w;
        ASSERT_FALSE(w.Open(temp.path(), "Run"));
        ASSERT_FALSE(w.WriteLine(ArchiveHeader(vars, 3, 1.0)));
        for (int k = 0; k < 3; ++k)
            ASSERT_FALSE(w.WriteLine(ArchiveDataLine(vars)));
        ASSERT_FALSE(w.Close());
        loops[0] = {true, 21, "m3/h"};
        loops[1] = {true, 0, ""};  // present without a PV: cleared, not scored
        charts[1].pv = {5};
        charts[2].pv = {7};  // slot 3 empty: its chart keeps its points
        tables.lower[2][0] = "old";
    }

    std::string Load(const std::string& selected, ChartRow row) {
        return LoadArchiveIntoRow(temp.path(), selected, row, loops, vars, true, charts, tables);
    }

    test::TempFolder temp;
    VariableTable vars;
    LoopConfigs loops;
    LoopCurveSet charts;
    ResultsTables tables;
};

TEST_F(ArchiveRowTest, NothingSelectedDoesNothing) {
    EXPECT_EQ(Load("", ChartRow::Lower), "");
    EXPECT_FALSE(tables.historyLoaded);
    EXPECT_EQ(charts[1].pv, std::vector<double>{5});
}

TEST_F(ArchiveRowTest, LowerLoadReplacesPresentLoopsAndScoresTheLowerTable) {
    EXPECT_EQ(Load("Run_1", ChartRow::Lower), "");
    EXPECT_TRUE(tables.historyLoaded);
    EXPECT_FALSE(tables.resultsAvailable);
    EXPECT_EQ(charts[0].pv, (std::vector<double>{40, 40, 40}));
    EXPECT_TRUE(charts[1].pv.empty());
    EXPECT_EQ(charts[2].pv, std::vector<double>{7});
    EXPECT_EQ(tables.lower[0][kIem], "10.00");
    EXPECT_EQ(tables.lowerUnits[0], "m3/h");
    EXPECT_EQ(tables.lower[2][0], "old");
    EXPECT_TRUE(tables.upper[0][kIem].empty());
}

TEST_F(ArchiveRowTest, AFailedLoadSetsTheFlagAndKeepsTheCharts) {
    EXPECT_NE(Load("Missing_1", ChartRow::Upper), "");
    EXPECT_TRUE(tables.resultsAvailable);
    EXPECT_EQ(charts[1].pv, std::vector<double>{5});
    EXPECT_TRUE(tables.upper[0][kIem].empty());
}

}  // namespace
}  // namespace vork
