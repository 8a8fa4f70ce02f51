#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_records.h"
#include "rich_project.h"

// A damaged file whose list or radio-group position names no entry loads with the control's
// default, or with nothing selected where the control has no default; the objects run what the
// windows then show, and saving writes that back.
namespace vork {
namespace {

using testing::BuildRichProject;
using testing::Join;
using testing::Lines;

// One item line to damage: the first line starting with `prefix` after the line `after` (the
// record's header, or empty for the first such line of the file).
struct Damage {
    std::string after;
    std::string prefix;
    std::string value;  // written into the file
    std::string shown;  // what the loaded object selects and saves
};

class ListPositions : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildRichProject(original_);
        lines_ = Lines(FromWindows1252(original_.FileBytes()));
    }

    // Loads the rich project with the damages applied, then checks that it saves the shown
    // positions and nothing else differently, and that it runs as the file it saves.
    void LoadDamaged(const std::vector<Damage>& damages) {
        std::vector<std::string> damaged = lines_;
        std::vector<std::string> expected = lines_;
        for (const Damage& d : damages) {
            size_t i = Find(d);
            ASSERT_LT(i, lines_.size()) << d.prefix;
            damaged[i] = d.prefix + d.value;
            expected[i] = d.prefix + d.shown;
        }
        FileResult result = loaded_.LoadBytes(ToWindows1252(Join(damaged)), "damaged");
        ASSERT_TRUE(result.ok()) << result.error;
        std::string saved = loaded_.FileBytes();
        std::vector<std::string> savedLines = Lines(FromWindows1252(saved));
        ASSERT_EQ(savedLines.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(savedLines[i], expected[i]) << "line " << i + 1;

        Project reloaded;
        ASSERT_TRUE(reloaded.LoadBytes(saved, "saved").ok());
        loaded_.sim.random.Seed(11);
        reloaded.sim.random.Seed(11);
        for (int pass = 1; pass <= 60; ++pass) {
            loaded_.sim.EvaluationPass();
            reloaded.sim.EvaluationPass();
            for (int address = 1; address <= 124; ++address)
                ASSERT_EQ(loaded_.sim.vars.Read(address), reloaded.sim.vars.Read(address))
                    << "M" << address << " after pass " << pass;
        }
    }

    size_t Find(const Damage& d) const {
        auto from = lines_.begin();
        if (!d.after.empty()) from = std::find(lines_.begin(), lines_.end(), d.after);
        auto it = std::find_if(from, lines_.end(),
                               [&](const std::string& l) { return l.starts_with(d.prefix); });
        return static_cast<size_t>(it - lines_.begin());
    }

    Project original_;
    Project loaded_;
    std::vector<std::string> lines_;
};

TEST_F(ListPositions, ControllerRadioGroupsTakeTheirDefaults) {
    // TIC-3 is reverse acting, parallel, derivative on the error: all three positions 0.
    LoadDamaged({{"", "{C03/20} Tipo acao:", "5", "1"},
                 {"", "{C03/21} Derivada na PV:", "-1", "1"},
                 {"", "{C03/22} Estrutura ISA:", "2", "1"}});
    const ControllerFields& f = loaded_.sim.controllers.Get(3)->fields;
    EXPECT_EQ(f.Acaogroup, kRespostaDireta);
    EXPECT_EQ(f.DerivadaGroup, kSobrePV);
    EXPECT_EQ(f.EstruturaGroup, kIsa);
}

TEST_F(ListPositions, RecorderTimeBaseTakesTheFirst) {
    LoadDamaged({{"", "{R/09} Ind Lista Base Tempo:", "3", "0"}});
    EXPECT_EQ(loaded_.sim.recorders.Get(2)->trend.settings.BaseTempoBox, 0);
}

TEST_F(ListPositions, AnimatedTextTypeTakesScalar) {
    // Text 2 is an equation, text 10 scalar.
    LoadDamaged({{"=====<<<TEXTO ANIMADO:102>>>=====", "{T/07} Tipo:", "3", "0"},
                 {"=====<<<TEXTO ANIMADO:110>>>=====", "{T/07} Tipo:", "-1", "0"}});
    EXPECT_EQ(loaded_.sim.texts.Get(2)->fields.Tipo, 0);
    EXPECT_EQ(loaded_.sim.texts.Get(10)->fields.Tipo, 0);
}

TEST_F(ListPositions, GeneratorTypesTakeTheFirstOfTheirChannel) {
    // Channel 1 offers ten types, channel 6 seven and channel 11 two.
    LoadDamaged({{"", "{P/01} ", "10", "0"}, {"", "{P/26} ", "7", "0"}, {"", "{P/51} ", "2", "0"}});
    const SignalGenerator& g = loaded_.sim.generator();
    EXPECT_EQ(g.channel(1).fields.Tipo, 0);
    // Channel 1 held the equation M21/2, which a constant evaluates without substitution.
    EXPECT_EQ(loaded_.sim.vars.Read(81), 0.0);
    EXPECT_EQ(g.channel(6).fields.Tipo, 0);
    EXPECT_EQ(g.channel(11).fields.Tipo, 0);
}

TEST_F(ListPositions, AZeroOneChoiceBeyondItsTwoEntriesSelectsNothingAndOutputsZero) {
    // Channel 12 is "Constante 0-1" at "1".
    LoadDamaged({{"", "{P/60} ", "5", "0"}});
    EXPECT_EQ(loaded_.sim.generator().channel(12).fields.ValorDig, kNoSelection);
    EXPECT_EQ(loaded_.sim.vars.Read(92), 0.0);
}

TEST_F(ListPositions, ProcessCurveAndTypeTakeTheirDefaults) {
    // Without a selection the curve ran as the last one while the list showed none.
    LoadDamaged({{"", "{P71/10} Tipo Valv:", "5", "0"}, {"", "{P22/14} Tipo FT:", "-2", "0"}});
    EXPECT_EQ(loaded_.sim.processes.Get(21)->fields.gainCurve, kCurveLinear);
    EXPECT_EQ(loaded_.sim.processes.Get(2)->fields.transferType, kOverdamped);
}

TEST_F(ListPositions, VariableListsSelectNothing) {
    LoadDamaged({{"", "{C01/14} Indice lista PV:", "99", "-1"},
                 {"", "{C03/15} Indice lista SPR:", "-7", "-1"},
                 {"", "{P23/03} Indice lista PV:", "150", "-1"},
                 {"", "{R/03} Ind Lista Var1:", "124", "-1"},
                 {"", "{R/05} Ind Lista Var2:", "125", "-1"},
                 {"=====<<<TEXTO ANIMADO:110>>>=====", "{T/08} Variavel:", "124", "-1"}});
    EXPECT_EQ(loaded_.sim.controllers.Get(1)->fields.VariavelSelect, kNoSelection);
    EXPECT_EQ(loaded_.sim.processes.Get(3)->fields.EntradaSelect, kNoSelection);
    EXPECT_EQ(loaded_.sim.recorders.Get(2)->fields.Variavel2Select, kNoSelection);
    EXPECT_EQ(loaded_.sim.texts.Get(10)->fields.ComboBox1, kNoSelection);
}

}  // namespace
}  // namespace vork
