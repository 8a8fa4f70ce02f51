#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_records.h"
#include "project/load_error.h"
#include "project/simulation_file.h"

namespace vork {
namespace {

using testing::FakeProject;
using testing::Join;
using testing::Lines;

class SimulationFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vork_file_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path WriteBytes(const std::string& name, const std::string& bytes) {
        std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
};

TEST_F(SimulationFileTest, SliderPositionThatIsNotAnIntegerStopsWithLineAndText) {
    std::vector<std::string> lines = Lines(FakeProject().Write());
    lines[88] = "12a";  // slider 1's top, line 89 of the file
    std::filesystem::path path = WriteBytes("bad.smp", ToWindows1252(Join(lines)));
    FakeProject portuguese;
    FileResult result = LoadSimulationFile(path, portuguese.Frame());
    EXPECT_EQ(result.error, "'12a' is not a valid integer value (linha 89)");
    EXPECT_TRUE(portuguese.progress.back() == 5);  // nothing after the sliders was read
    FakeProject english(Language::English);
    EXPECT_EQ(LoadSimulationFile(path, english.Frame()).error,
              "'12a' is not a valid integer value (line 89)");
}

TEST_F(SimulationFileTest, StrictIntegerInsideARecordStopsTheLoad) {
    FakeProject source;
    source.records.Put(SlotKind::Process, 1, "P1", 4);
    std::vector<std::string> lines = Lines(source.Write());
    auto item = std::find(lines.begin(), lines.end(), "{P21/02} Indice:4");
    ASSERT_NE(item, lines.end());
    *item = "{P21/02} Indice: 4.5";
    FakeProject loaded;
    FileResult result =
        LoadSimulationFile(WriteBytes("p.smp", ToWindows1252(Join(lines))), loaded.Frame());
    std::string line = std::to_string(item - lines.begin() + 1);
    EXPECT_EQ(result.error, "' 4.5' is not a valid integer value (linha " + line + ")");
    EXPECT_EQ(loaded.records.calls.back(), "read P1");
}

TEST_F(SimulationFileTest, NumberLinesThatAreNotNumbersDoNotStopTheLoad) {
    FakeProject source;
    source.workspace.controllers[0].caption = "C1";
    source.records.Put(SlotKind::Controller, 1, "C1");
    std::vector<std::string> lines = Lines(source.Write());
    auto at = std::find(lines.begin(), lines.end(), "=====<<<COORDENADAS>>>=====");
    at[2] = "4x";
    at[3] = "";
    std::vector<std::string>::iterator shape = at + 1 + 4 + 19 + 3 + 81;
    shape[0] = "zz";
    FakeProject loaded;
    FileResult result =
        LoadSimulationFile(WriteBytes("n.smp", ToWindows1252(Join(lines))), loaded.Frame());
    EXPECT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(loaded.workspace.controllers[0].top, 4);
    EXPECT_EQ(loaded.workspace.controllers[0].left, 0);
    EXPECT_EQ(loaded.workspace.shapes[0].referenceTop, 0);
    EXPECT_EQ(result.messages, (std::vector<std::string>{"checked C1"}));
}

TEST_F(SimulationFileTest, TruncatedFilesNeverCrash) {
    FakeProject source;
    source.records.Put(SlotKind::Controller, 1, "C1", 2);
    source.records.Put(SlotKind::Text, 1, "T1", 3);
    source.workspace.tracks[0].EntLabel = "Nível";
    std::string bytes = ToWindows1252(source.Write());
    for (size_t size = 0; size < bytes.size(); size += 7) {
        FakeProject loaded;
        LineReader in(bytes.substr(0, size));
        try {
            ReadFrame(loaded.Frame(), in, "cut");
        } catch (const LoadError& e) {
            // Only a strict integer can stop it, and only in the part the file lacks or cuts.
            EXPECT_GE(e.line(), 1);
            EXPECT_FALSE(e.Message(Language::English).empty());
        }
    }
}

TEST_F(SimulationFileTest, FileEndingInsideTheSlidersNamesTheMissingLine) {
    std::vector<std::string> lines = Lines(FakeProject().Write());
    lines.resize(88);  // ends after slider 1's label
    FakeProject loaded;
    FileResult result =
        LoadSimulationFile(WriteBytes("cut.smp", ToWindows1252(Join(lines))), loaded.Frame());
    EXPECT_EQ(result.error,
              "'' is not a valid integer value (linha 89; o arquivo termina na linha 88)");
}

TEST_F(SimulationFileTest, LfLineEndsAndGarbageAreRead) {
    std::string text = FakeProject().Write();
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    FakeProject loaded;
    FileResult result = LoadSimulationFile(WriteBytes("lf.smp", lf), loaded.Frame());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(loaded.progress.back(), 100);

    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    FakeProject noise;
    result = LoadSimulationFile(WriteBytes("noise.smp", garbage), noise.Frame());
    EXPECT_TRUE(result.ok() || !result.error.empty());
}

TEST_F(SimulationFileTest, HugeAndMissingFilesAreRefusedWithAMessage) {
    std::filesystem::path huge = dir_ / "huge.smp";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, 100u << 20);
    FakeProject loaded;
    FileResult result = LoadSimulationFile(huge, loaded.Frame());
    EXPECT_EQ(result.error, "Arquivo grande demais para uma simulação: huge.smp");
    FakeProject english(Language::English);
    EXPECT_EQ(LoadSimulationFile(dir_ / "none.smp", english.Frame()).error, "File not found");
    EXPECT_EQ(LoadSimulationFile(dir_, loaded.Frame()).error, "Arquivo não encontrado");
}

TEST_F(SimulationFileTest, SaveWritesTheWholeFileAndLoadReadsItBack) {
    FakeProject source;
    source.workspace.Titulo = "Reator";
    std::filesystem::path path = dir_ / "reator.smp";
    FileResult saved = SaveSimulationFile(path, source.Frame());
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    LineWriter expected;
    WriteFrame(source.Frame(), expected);
    EXPECT_EQ(ReadBytes(path), expected.Bytes());
    FakeProject loaded;
    EXPECT_TRUE(LoadSimulationFile(path, loaded.Frame()).ok());
    EXPECT_EQ(loaded.workspace.Titulo, "Reator");
}

TEST_F(SimulationFileTest, FailedSaveKeepsTheOldFile) {
    std::filesystem::path path = WriteBytes("old.smp", "old content\r\n");
    // The temporary file cannot be created: a directory stands in its place.
    std::filesystem::create_directory(path.string() + ".tmp");
    FakeProject source;
    FileResult result = SaveSimulationFile(path, source.Frame());
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("I/O error"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), "old content\r\n");

    result = SaveSimulationFile(dir_ / "no such folder" / "x.smp", source.Frame());
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("x.smp"), std::string::npos);
}

}  // namespace
}  // namespace vork
