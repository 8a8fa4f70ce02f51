#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>

#include "app/app_context.h"
#include "windows/variable_list_window.h"

namespace vork {

// The variable list window: the grids `ListaVar` and `ListaVar2` with "Atualiza", "Sair" and the
// help button `SpeedButton3`. A view of the variable list model: every activation refreshes it,
// and a cell's entry goes through the model, which stores it or puts the old text back. The
// address column is the grid's row header, the column titles its column header.
class TDialogos : public QWidget {
    Q_OBJECT

  public:
    explicit TDialogos(AppContext& context);

    VariableListWindow& model() { return model_; }
    QTableWidget& grid(VariableGrid which) { return *grids_[static_cast<int>(which)]; }
    // The refresh, and the grids showing it.
    void Refresh();
    void ApplyTexts();
    // The menu entry: centred on the screen, shown, refreshed.
    void ShowFromMain();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QTableWidget* BuildGrid(VariableGrid which, const char* name);
    void SyncGrids();
    void SyncGrid(VariableGrid which);
    void SyncCell(VariableGrid which, int row, int column);
    void CellEntered(VariableGrid which, int row, int column);

    AppContext& context_;
    VariableListWindow model_;
    std::array<QTableWidget*, 2> grids_{};
    bool syncing_ = false;  // the grids are being filled, not typed into
};

}  // namespace vork
