#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/platform/file_filter.h"

namespace vork {
namespace {

TEST(CommandLine, FileScreenshotsAndTicks) {
    QString error;
    std::optional<CommandLine> line = ParseCommandLine({}, error);
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->screenshots);
    EXPECT_TRUE(line->file.isEmpty());

    line = ParseCommandLine({"caldeira.smp"}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->file, "caldeira.smp");

    line = ParseCommandLine({"--screenshots", "out", "a b.smp", "--ticks", "7"}, error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->screenshots);
    EXPECT_EQ(line->folder, "out");
    EXPECT_EQ(line->file, "a b.smp");
    EXPECT_EQ(line->ticks, 7);
    EXPECT_EQ(ParseCommandLine({"--screenshots", "out"}, error)->ticks, 50);

    for (const QStringList& wrong :
         {QStringList{"--screenshots"}, QStringList{"--ticks", "x"}, QStringList{"--ticks", "-1"},
          QStringList{"a", "b"}, QStringList{"--fast"}}) {
        error.clear();
        EXPECT_FALSE(ParseCommandLine(wrong, error)) << wrong.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(FileFilter, BarPairsBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Arquivos Bit-Map (*.bmp);|*.bmp|Todos os Arquivos (*.*)|*.*"),
              "Arquivos Bit-Map (*.bmp);;Todos os Arquivos (*.*)");
    EXPECT_EQ(QtFileFilter("Arquivos de Simulação (*.smp)|*.smp|Todos os  Arquivos (*.*)|*.*"),
              "Arquivos de Simulação (*.smp);;Todos os  Arquivos (*.*)");
    EXPECT_EQ(QtFileFilter("Arquivos Texto|*.txt;*.csv"), "Arquivos Texto (*.txt *.csv)");
    EXPECT_EQ(QtFileFilter(""), "");
}

}  // namespace
}  // namespace vork
