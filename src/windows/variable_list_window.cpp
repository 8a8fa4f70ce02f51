#include "windows/variable_list_window.h"

#include <cmath>

#include "engine/numbers.h"
#include "engine/variable_table.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/trend_recorder.h"
#include "project/project.h"
#include "windows/main_window.h"

namespace vork {

const std::array<WindowText, 5> kVariableListTexts = {{
    {"caption", "Lista de Variáveis", "Variable List"},
    {"TituloListaVar", "Variáveis de Processo", "Process Variables"},
    {"TituloListaVar2", "Sinais de Controle", "Control Signals"},
    {"Atualiza", "Atualiza", "Refresh"},
    {"Sair", "Sair", "Exit"},
}};

namespace {

constexpr std::array<const char*, VariableListWindow::kColumns> kHeaders = {
    "", "Tipo", "Unid. Eng", "UE min", "UE max", "LIE", "LSE", "Descrição", "Valor"};
constexpr int kProcessRows = 48;
constexpr int kControlRows = 75;

// The rows of the control grid by what they show and store.
bool SliderOrSetpointRow(int row) {
    return row >= 1 && row <= 16;
}
bool OutputRow(int row) {
    return row >= 17 && row <= 26;
}
bool CommandRow(int row) {
    return row >= 27 && row <= 32;
}
bool GeneratorRow(int row) {
    return row >= 36 && row <= 51;
}

// The attribute a column holds.
AttributeField FieldOf(int column) {
    return static_cast<AttributeField>(column - VariableListWindow::Unit);
}

bool Stored(VariableGrid grid, int row, int column) {
    if (column < VariableListWindow::Unit || column > VariableListWindow::Description) return false;
    if (grid == VariableGrid::Process || GeneratorRow(row)) return true;
    return SliderOrSetpointRow(row) && column != VariableListWindow::Description;
}

}  // namespace

VariableListWindow::VariableListWindow(Project& project, MainWindow& main)
    : project_(project), main_(main) {
    for (VariableGrid grid : {VariableGrid::Process, VariableGrid::Control}) {
        Grid& cells = Cells(grid);
        cells.resize(Rows(grid) + 1);
        for (int column = 0; column < kColumns; ++column)
            cells[0][column] = kHeaders[column];
        for (int row = 1; row <= Rows(grid); ++row) {
            int address = AddressOf(grid, row);
            cells[row][Address] = AddressName(address);
            cells[row][Role] = VariableTable::RoleLabel(address);
            if (address >= 101) {
                cells[row][Unit] = "%";
                cells[row][UeMin] = cells[row][Lie] = "0.0";
                cells[row][UeMax] = cells[row][Lse] = "100.0";
                cells[row][Description] = project_.sim.vars.Description(address);
            } else if (grid == VariableGrid::Process || SliderOrSetpointRow(row) ||
                       OutputRow(row)) {
                cells[row][Unit] = "%";
                cells[row][UeMin] = "0";
                cells[row][UeMax] = "100";
            }
        }
    }
}

int VariableListWindow::Rows(VariableGrid grid) {
    return grid == VariableGrid::Process ? kProcessRows : kControlRows;
}

int VariableListWindow::AddressOf(VariableGrid grid, int row) {
    if (grid == VariableGrid::Process) return row <= 40 ? 20 + row : 30 + row;
    if (row <= 6) return 14 + row;   // M15 .. M20
    if (row <= 16) return 54 + row;  // M61 .. M70
    if (row <= 26) return row - 16;  // M01 .. M10
    if (row <= 29) return 70 + row;  // M97 .. M99
    if (row <= 32) return row - 19;  // M11 .. M13
    if (row == 33) return 14;        // reserved
    if (row <= 35) return 45 + row;  // M79, M80
    if (row <= 51) return 45 + row;  // M81 .. M96
    return 49 + row;                 // M101 .. M124
}

const std::string& VariableListWindow::Cell(VariableGrid grid, int row, int column) const {
    return grids_.at(static_cast<int>(grid)).at(row).at(column);
}

void VariableListWindow::Fill(VariableGrid grid, int row) {
    const VariableTable& vars = project_.sim.vars;
    int address = AddressOf(grid, row);
    std::array<std::string, kColumns>& cells = Cells(grid)[row];
    for (int column = Unit; column <= Description; ++column)
        cells[column] = vars.Attribute(address, FieldOf(column));
    cells[Value] = Fixed(vars.Read(address), 2, 4);
}

void VariableListWindow::Refresh() {
    ShowTable();
    main_.RefreshTrackHints();
    ReapplyObjects();
}

void VariableListWindow::ShowTable() {
    for (int row = 1; row <= kControlRows; ++row) {
        if (CommandRow(row))
            Cells(VariableGrid::Control)[row][Value] =
                Fixed(project_.sim.vars.Read(AddressOf(VariableGrid::Control, row)), 2, 4);
        else if (SliderOrSetpointRow(row) || OutputRow(row) || GeneratorRow(row))
            Fill(VariableGrid::Control, row);
    }
    for (int row = 1; row <= kProcessRows; ++row)
        Fill(VariableGrid::Process, row);
    RefreshTags();
}

// Rows 1-20 and 41-44 stand for process blocks 1-24, rows 21-40 and 45-48 for calculation
// blocks 1-24; a row whose slot is empty keeps its text.
void VariableListWindow::RefreshTags() {
    Grid& cells = Cells(VariableGrid::Process);
    auto tag = [&](int row, const std::string* text) {
        if (text) cells[row][Role] = *text;
    };
    for (int n = 1; n <= 24; ++n) {
        const ProcessBlock* process = project_.sim.processes.Get(n);
        const CalcBlock* calc = project_.sim.calcs.Get(n);
        tag(n <= 20 ? n : 20 + n, process ? &process->fields.TagText : nullptr);
        tag(n <= 20 ? 20 + n : 24 + n, calc ? &calc->fields.TagText : nullptr);
    }
}

// The objects that copy engineering ranges take the new ones, without messages.
void VariableListWindow::ReapplyObjects() {
    Simulation& sim = project_.sim;
    for (int n = 1; n <= SlotCount(SlotKind::Text); ++n)
        if (sim.texts.Exists(n))
            project_.Edit<AnimatedText>(
                {ObjectKind::Text, n}, [&](AnimatedText& t) { t.Apply(sim); }, Modifies::No);
    for (int n = 1; n <= SlotCount(SlotKind::Recorder); ++n)
        if (sim.recorders.Exists(n))
            project_.Edit<TrendRecorder>(
                {ObjectKind::Recorder, n}, [&](TrendRecorder& r) { r.Rescale(sim); }, Modifies::No);
    for (int n = 1; n <= SlotCount(SlotKind::Controller); ++n)
        if (sim.controllers.Exists(n))
            project_.Edit<Controller>(
                {ObjectKind::Controller, n}, [&](Controller& c) { c.Validate(sim); }, Modifies::No);
}

bool VariableListWindow::Selectable(int column) {
    return column != Role && column != Value && column > Address && column < kColumns;
}

void VariableListWindow::Select(VariableGrid grid, int row, int column) {
    if (!Selectable(column) || row < 1 || row > Rows(grid)) return;
    Edit(grid) = {row, column, Cell(grid, row, column), Cell(grid, row, column), false};
}

void VariableListWindow::Typed(VariableGrid grid, int row, int column, const std::string& text) {
    if (!Selectable(column) || row < 1 || row > Rows(grid)) return;
    Editing& e = Edit(grid);
    if (e.row != row || e.column != column) Select(grid, row, column);
    e.typed = text;
    e.edited = true;
    Cells(grid)[row][column] = text;
}

void VariableListWindow::Escape(VariableGrid grid) {
    Editing& e = Edit(grid);
    if (e.row == 0) return;
    Cells(grid)[e.row][e.column] = e.undo;
    e.typed = e.undo;
    e.edited = false;
}

// A range stays the right way up: UE min not above UE max. The control grid compares only the
// numbers' integer parts.
bool VariableListWindow::RangeKept(VariableGrid grid, const Editing& e) const {
    int other = e.column == UeMin ? UeMax : UeMin;
    double typed = ParseLenient(e.typed);
    double kept = ParseLenient(Cell(grid, e.row, other));
    if (grid == VariableGrid::Control) {
        typed = std::trunc(typed);
        kept = std::trunc(kept);
    }
    return e.column == UeMin ? typed <= kept : typed >= kept;
}

bool VariableListWindow::Enter(VariableGrid grid) {
    Editing& e = Edit(grid);
    if (e.row == 0 || !e.edited || !Stored(grid, e.row, e.column)) return true;
    int address = AddressOf(grid, e.row);
    if ((e.column == UeMin || e.column == UeMax) && !RangeKept(grid, e)) {
        Escape(grid);
        return false;
    }
    VariableTable& vars = project_.sim.vars;
    vars.SetAttribute(address, FieldOf(e.column), e.typed);
    if (e.column == UeMin) vars.SetAttribute(address, AttributeField::Lie, e.typed);
    if (e.column == UeMax) vars.SetAttribute(address, AttributeField::Lse, e.typed);
    e.undo = e.typed;
    e.edited = false;
    return true;
}

}  // namespace vork
