#include <gtest/gtest.h>

#include "plant/animated_text.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "project/project.h"
#include "windows/main_window.h"
#include "windows/variable_list_window.h"

namespace vork {
namespace {

using G = VariableGrid;
using W = VariableListWindow;

struct VariableList : ::testing::Test {
    Project project;
    MainWindow main{project};
    VariableListWindow list{project, main};

    // Selects a cell, types `text` and presses Enter.
    bool Enter(G grid, int row, int column, const std::string& text) {
        list.Select(grid, row, column);
        list.Typed(grid, row, column, text);
        return list.Enter(grid);
    }
    const VariableAttributes& Of(int address) { return project.sim.vars.Attributes(address); }
};

TEST_F(VariableList, RowsStandForTheirAddressesWithTheirRoles) {
    EXPECT_EQ(W::Rows(G::Process), 48);
    EXPECT_EQ(W::Rows(G::Control), 75);
    EXPECT_EQ(list.Cell(G::Process, 1, W::Address), "M21");
    EXPECT_EQ(list.Cell(G::Process, 41, W::Address), "M71");
    EXPECT_EQ(list.Cell(G::Process, 48, W::Role), "Variável de Processo");
    EXPECT_EQ(list.Cell(G::Control, 1, W::Role), "Entrada de Dados 1");
    EXPECT_EQ(list.Cell(G::Control, 17, W::Address), "M01");
    EXPECT_EQ(list.Cell(G::Control, 26, W::Address), "M10");
    EXPECT_EQ(list.Cell(G::Control, 29, W::Role), "Comando Botão 3");
    EXPECT_EQ(list.Cell(G::Control, 31, W::Role), "Comando Chave 2");
    EXPECT_EQ(list.Cell(G::Control, 32, W::Role), "Saída Linearizador");
    EXPECT_EQ(list.Cell(G::Control, 34, W::Address), "M79");
    EXPECT_EQ(list.Cell(G::Control, 34, W::Role), "Reservado");
    EXPECT_EQ(list.Cell(G::Control, 51, W::Address), "M96");
    EXPECT_EQ(list.Cell(G::Control, 75, W::Address), "M124");
    EXPECT_EQ(list.Cell(G::Control, 52, W::UeMax), "100.0");
    EXPECT_EQ(list.Cell(G::Control, 52, W::Description), "Posição Atuador 1");
    EXPECT_EQ(list.Cell(G::Control, 7, W::UeMax), "100");
    EXPECT_EQ(list.Cell(G::Process, 0, W::Description), "Descrição");
}

TEST_F(VariableList, RefreshShowsAttributesValuesAndTheTagsOfFilledBlocks) {
    project.sim.vars.Write(21, 50);
    project.sim.vars.Write(97, 1);
    project.Fill({ObjectKind::Process, 3});
    project.Edit<ProcessBlock>(
        {ObjectKind::Process, 3}, [](ProcessBlock& p) { p.fields.TagText = "FIC-101"; },
        Modifies::No);
    project.Fill({ObjectKind::Calc, 22});
    list.Refresh();
    EXPECT_EQ(list.Cell(G::Process, 1, W::Value), "50.00");
    EXPECT_EQ(list.Cell(G::Process, 1, W::Lse), "100.00");
    EXPECT_EQ(list.Cell(G::Process, 3, W::Role), "FIC-101");
    EXPECT_EQ(list.Cell(G::Process, 4, W::Role), "Variável de Processo");
    EXPECT_EQ(list.Cell(G::Process, 46, W::Role), "");  // calc block 22 has no tag yet
    EXPECT_EQ(list.Cell(G::Control, 27, W::Value), "1.00");
    EXPECT_EQ(list.Cell(G::Control, 52, W::Value), "");
}

TEST_F(VariableList, UeMinAboveUeMaxIsRefusedEqualIsStoredAlsoAsLie) {
    list.Refresh();
    EXPECT_FALSE(Enter(G::Process, 1, W::UeMin, "120"));
    EXPECT_EQ(list.Cell(G::Process, 1, W::UeMin), "0.00");
    EXPECT_EQ(Of(21).ueMin, "0.00");

    EXPECT_TRUE(Enter(G::Process, 1, W::UeMin, "100"));
    EXPECT_EQ(Of(21).ueMin, "100");
    EXPECT_EQ(Of(21).lie, "100");
    EXPECT_EQ(list.Cell(G::Process, 1, W::Lie), "0.00");  // shown at the next refresh
    list.Refresh();
    EXPECT_EQ(list.Cell(G::Process, 1, W::Lie), "100");
}

TEST_F(VariableList, UeMaxBelowUeMinIsRefusedAndSetsLse) {
    list.Refresh();
    EXPECT_TRUE(Enter(G::Process, 1, W::UeMax, "80"));
    EXPECT_EQ(Of(21).ueMax, "80");
    EXPECT_EQ(Of(21).lse, "80");
    EXPECT_FALSE(Enter(G::Process, 1, W::UeMax, "-1"));
    EXPECT_EQ(list.Cell(G::Process, 1, W::UeMax), "80");
}

TEST_F(VariableList, TheControlGridComparesIntegerParts) {
    list.Refresh();
    ASSERT_TRUE(Enter(G::Control, 1, W::UeMax, "5.5"));
    EXPECT_TRUE(Enter(G::Control, 1, W::UeMin, "5.9"));
    EXPECT_EQ(Of(15).ueMin, "5.9");
    EXPECT_FALSE(Enter(G::Control, 1, W::UeMin, "6"));
}

TEST_F(VariableList, OnlyTheListedColumnsOfARowAreStored) {
    list.Refresh();
    Enter(G::Control, 7, W::Description, "meu SP");    // setpoint rows keep no description
    Enter(G::Control, 17, W::Unit, "kg");              // outputs store nothing
    Enter(G::Control, 36, W::Description, "degrau");   // generator rows store descriptions
    Enter(G::Control, 52, W::Description, "atuador");  // actuator rows store nothing
    Enter(G::Process, 2, W::Description, std::string(300, 'x'));
    EXPECT_EQ(project.sim.vars.Description(61), "");
    EXPECT_EQ(Of(1).unit, "%");
    EXPECT_EQ(project.sim.vars.Description(81), "degrau");
    EXPECT_EQ(project.sim.vars.Description(101), "Posição Atuador 1");
    EXPECT_EQ(project.sim.vars.Description(22).size(), 255u);
    list.Refresh();
    EXPECT_EQ(list.Cell(G::Control, 7, W::Description), "");
}

TEST_F(VariableList, EscapeRestoresTheTextOfTheSelectedCell) {
    list.Refresh();
    list.Select(G::Process, 2, W::Unit);
    list.Typed(G::Process, 2, W::Unit, "bar");
    EXPECT_EQ(list.Cell(G::Process, 2, W::Unit), "bar");
    list.Escape(G::Process);
    EXPECT_EQ(list.Cell(G::Process, 2, W::Unit), "%");
    EXPECT_TRUE(list.Enter(G::Process));
    EXPECT_EQ(Of(22).unit, "%");
    EXPECT_FALSE(W::Selectable(W::Role));
    EXPECT_FALSE(W::Selectable(W::Value));
    EXPECT_TRUE(W::Selectable(W::Description));
}

TEST_F(VariableList, RefreshGivesTheSlidersTheirRangesAndTheObjectsTheNewRange) {
    Enter(G::Control, 1, W::UeMax, "150");
    Enter(G::Control, 1, W::Unit, "m3/h");
    project.Fill({ObjectKind::Text, 1});
    project.Edit<AnimatedText>(
        {ObjectKind::Text, 1}, [&](AnimatedText& t) { t.ChooseVariable(project.sim, 14); },
        Modifies::No);
    project.sim.vars.Write(15, 50);
    list.Refresh();
    EXPECT_EQ(main.trackHint(1), "Faixa: de 0.00 a 150 m3/h");
    std::optional<AnimatedTextResult> shown;
    project.Edit<AnimatedText>(
        {ObjectKind::Text, 1}, [&](AnimatedText& t) { shown = t.Evaluate(project.sim); },
        Modifies::No);
    ASSERT_TRUE(shown);
    EXPECT_NE(shown->text.find("75"), std::string::npos) << shown->text;
}

}  // namespace
}  // namespace vork
