#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/window_text.h"

namespace vork {

class MainWindow;
class Project;

// The variable list's texts in both languages. The column headers and role labels read the same
// in both.
extern const std::array<WindowText, 5> kVariableListTexts;

// The two grids: `ListaVar` "Variáveis de Processo" and `ListaVar2` "Sinais de Controle".
enum class VariableGrid { Process, Control };

// The model of the variable list window `TDialogos`: two grids of nine columns (address, role or
// tag, unit, UE min, UE max, LIE, LSE, description, value) over the variable table, the refresh
// that fills them, and the cell editing that stores attributes. The grids hold texts: what a
// cell shows may differ from the table until the next refresh, as an edited LIE does.
class VariableListWindow {
  public:
    static constexpr int kColumns = 9;
    enum Column { Address, Role, Unit, UeMin, UeMax, Lie, Lse, Description, Value };

    VariableListWindow(Project& project, MainWindow& main);

    // Variable rows, the header row 0 not counted: 48 and 75.
    static int Rows(VariableGrid grid);
    // The address a row stands for (row 1 ..).
    static int AddressOf(VariableGrid grid, int row);
    // The text of a cell; row 0 is the header.
    const std::string& Cell(VariableGrid grid, int row, int column) const;

    // Fills the grids from the variable table and the objects, sets the sliders' hints and
    // re-applies the objects that copy engineering ranges. Activation, "Atualiza" and "Sair"
    // run it.
    void Refresh();
    // The grids from the variable table and the block tags alone, as after a load's catalogue.
    void ShowTable();

    // Columns 1 and 8 cannot be selected.
    static bool Selectable(int column);
    // Selecting a cell remembers its text, to be put back by Escape or a refused entry.
    void Select(VariableGrid grid, int row, int column);
    // The user typed: the cell shows `text`.
    void Typed(VariableGrid grid, int row, int column, const std::string& text);
    // Escape: the selected cell's text as it was when selected.
    void Escape(VariableGrid grid);
    // Enter: stores the typed text as the row and column say. Returns false when the entry was
    // refused (a range turned upside down) and the cell's old text is back.
    bool Enter(VariableGrid grid);

  private:
    struct Editing {
        int row = 0, column = 0;
        std::string undo;  // the text of the cell when it was selected
        std::string typed;
        bool edited = false;
    };
    using Grid = std::vector<std::array<std::string, kColumns>>;

    Grid& Cells(VariableGrid grid) { return grids_[static_cast<int>(grid)]; }
    Editing& Edit(VariableGrid grid) { return editing_[static_cast<int>(grid)]; }
    void Fill(VariableGrid grid, int row);
    void RefreshTags();
    void ReapplyObjects();
    bool RangeKept(VariableGrid grid, const Editing& e) const;

    Project& project_;
    MainWindow& main_;
    std::array<Grid, 2> grids_;
    std::array<Editing, 2> editing_;
};

}  // namespace vork
