#include "app/project/tdialogos.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/help/web_links.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "app/workspace/tform1.h"

namespace vork {

namespace {

// The product site; the help page's path follows it.

constexpr QSize kDefaultSize{900, 640};
// Widths of the grid's columns from "Tipo" to "Valor", in pixels at 100 %.
constexpr std::array<int, 8> kColumnWidths = {170, 70, 64, 64, 64, 64, 210, 64};

using W = VariableListWindow;

// The model's column of a grid column: the address is the row header.
int ModelColumn(int column) {
    return column + 1;
}

}  // namespace

TDialogos::TDialogos(AppContext& context)
    : context_(context), model_(context.project(), context.main) {
    setObjectName("Dialogos");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    const std::pair<VariableGrid, const char*> grids[] = {{VariableGrid::Process, "ListaVar"},
                                                          {VariableGrid::Control, "ListaVar2"}};
    for (auto [which, name] : grids) {
        auto* title = new QLabel(this);
        title->setObjectName(QString("Titulo") + name);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);
        layout->addWidget(BuildGrid(which, name), 1);
    }
    auto* buttons = new QHBoxLayout;
    auto* help = new QToolButton(this);
    help->setObjectName("SpeedButton3");
    help->setText("?");
    connect(help, &QToolButton::clicked, this,
            [this] { OpenWebPage(context_, web_page::kVariableList); });
    buttons->addWidget(help);
    buttons->addStretch(1);
    auto* refresh = new QPushButton(this);
    refresh->setObjectName("Atualiza");
    connect(refresh, &QPushButton::clicked, this, &TDialogos::Refresh);
    auto* exit = new QPushButton(this);
    exit->setObjectName("Sair");
    connect(exit, &QPushButton::clicked, this, [this] {
        Refresh();
        close();
    });
    buttons->addWidget(refresh);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(&context.document, &ProjectDocument::projectReplaced, this, [this] {
        model_.ShowTable();
        SyncGrids();
    });
    resize(kDefaultSize);
    ApplyTexts();
    SyncGrids();
}

QTableWidget* TDialogos::BuildGrid(VariableGrid which, const char* name) {
    auto* grid = new QTableWidget(W::Rows(which), W::kColumns - 1, this);
    grid->setObjectName(name);
    grids_[static_cast<int>(which)] = grid;
    QStringList headers, addresses;
    for (int column = W::Role; column < W::kColumns; ++column)
        headers << FromStd(model_.Cell(which, 0, column));
    for (int row = 1; row <= W::Rows(which); ++row)
        addresses << FromStd(model_.Cell(which, row, W::Address));
    grid->setHorizontalHeaderLabels(headers);
    grid->setVerticalHeaderLabels(addresses);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    for (int column = 0; column < static_cast<int>(kColumnWidths.size()); ++column)
        grid->setColumnWidth(column, kColumnWidths[column]);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            if (!W::Selectable(ModelColumn(column))) item->setFlags(Qt::ItemIsEnabled);
            grid->setItem(row, column, item);
        }
    connect(grid, &QTableWidget::currentCellChanged, this, [this, which](int row, int column) {
        if (row >= 0 && column >= 0) model_.Select(which, row + 1, ModelColumn(column));
    });
    connect(grid, &QTableWidget::cellChanged, this, [this, which](int row, int column) {
        if (!syncing_) CellEntered(which, row + 1, ModelColumn(column));
    });
    return grid;
}

// An edit the grid committed, by Enter or by leaving the cell, goes to the model as typed and
// entered; the cell then shows what the model kept.
void TDialogos::CellEntered(VariableGrid which, int row, int column) {
    QTableWidgetItem* item = grid(which).item(row - 1, column - 1);
    model_.Select(which, row, column);
    model_.Typed(which, row, column, item->text().toStdString());
    model_.Enter(which);
    SyncCell(which, row, column);
}

void TDialogos::SyncCell(VariableGrid which, int row, int column) {
    QTableWidgetItem* item = grid(which).item(row - 1, column - 1);
    QString text = FromStd(model_.Cell(which, row, column));
    if (item->text() == text) return;
    bool wasSyncing = syncing_;
    syncing_ = true;
    item->setText(text);
    syncing_ = wasSyncing;
}

void TDialogos::SyncGrid(VariableGrid which) {
    syncing_ = true;
    for (int row = 1; row <= W::Rows(which); ++row)
        for (int column = W::Role; column < W::kColumns; ++column)
            SyncCell(which, row, column);
    syncing_ = false;
}

void TDialogos::SyncGrids() {
    SyncGrid(VariableGrid::Process);
    SyncGrid(VariableGrid::Control);
}

void TDialogos::Refresh() {
    model_.Refresh();
    SyncGrids();
    if (context_.mainWindow) context_.mainWindow->synoptic().Sync();
}

void TDialogos::ApplyTexts() {
    ApplyWindowTexts(*this, kVariableListTexts, context_.language());
}

void TDialogos::ShowFromMain() {
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void TDialogos::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void TDialogos::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refresh();
}

}  // namespace vork
