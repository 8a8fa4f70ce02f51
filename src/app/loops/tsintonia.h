#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <memory>

#include "app/app_context.h"
#include "app/loops/tuning_plot.h"
#include "windows/tuning_window.h"

namespace vork {

// The tuning page of a controller: a window of its own, or a page of the controller's window
// (it then takes the right part of the form). The step test and the trial runs run on another
// thread, on a copy of the plant, with a progress bar; the open project is touched only by the
// copy of the chosen set into the controller's fields.
class TSintonia : public QWidget {
    Q_OBJECT

  public:
    TSintonia(AppContext& context, int slot);
    // From a menu entry: the first controller of the project, with a list of the loops to choose
    // another.
    explicit TSintonia(AppContext& context);
    ~TSintonia() override;

    TuningWindow& model() { return *model_; }

    // The controller's window routes the copy through its own model, so that it shows the
    // fields and enables "Atualizar".
    void SetFieldEditor(TuningWindow::FieldEditor editor) { editor_ = std::move(editor); }

    // Waits for the job under way and shows its report (tests, closing).
    void WaitForWork();

    void ShowFromMain();
    void Sync();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildInputs();
    QWidget* BuildButtons();
    QWidget* BuildResults();
    QWidget* BuildBottom();
    void FillLoops();
    void ChooseLoop(int slot);
    void ApplyTexts();
    void SyncModel();
    void SyncTable();
    void Identify();
    void WorkDone();
    void Cancel();

    AppContext& context_;
    std::unique_ptr<TuningWindow> model_;
    TuningWindow::FieldEditor editor_;

    QComboBox* loops_ = nullptr;        // MalhaBox, from the menu entry only
    QComboBox* source_ = nullptr;       // FonteBox
    QLineEdit* amplitude_ = nullptr;    // AmplitudeText
    QLineEdit* lambda_ = nullptr;       // LambdaText
    QPushButton* capture_ = nullptr;    // CapturarBTN
    QPushButton* identify_ = nullptr;   // IdentificarBTN
    QPushButton* cancel_ = nullptr;     // CancelarBTN
    QProgressBar* progress_ = nullptr;  // ProgressBar1
    TuningPlot* plot_ = nullptr;        // TuningPlot
    QGroupBox* modelGroup_ = nullptr;   // ModeloGroup
    std::vector<std::pair<QLabel*, QLabel*>> modelRows_;
    QTableWidget* table_ = nullptr;  // SugestoesGrid
    QLabel* status_ = nullptr;       // StatusLabel
    QPushButton* copy_ = nullptr;    // CopiarBTN

    std::unique_ptr<QThread> worker_;
    std::atomic<bool> stop_{false};
    TuneReport report_;  // written by the worker, read once it has finished
};

}  // namespace vork
