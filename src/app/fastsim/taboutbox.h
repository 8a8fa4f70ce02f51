#pragma once

#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "windows/fast_simulation_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace vork {

class LoopChart;

// The fast-simulation window: run inputs and progress, two notebooks of ten loop charts (the run
// above, a stored run below), their paging, zoom and export, the archive lists and the indices
// panel. A view of the fast-simulation window model.
class TAboutBox : public QWidget {
    Q_OBJECT

  public:
    explicit TAboutBox(AppContext& context);

    FastSimulationWindow& model() { return model_; }
    // The menu entry `Dese1`: the window at its size, maximized.
    void ShowFromMain();
    // For the screenshots: a run with a set-point step, archived into a scratch folder and
    // loaded into the lower row, so that both rows and both index columns show.
    Q_INVOKABLE void PrepareScreenshot();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildInputPanel();
    QWidget* BuildIndicesPanel();
    QWidget* BuildArchiveRow(ChartRow row);
    QWidget* BuildChartTools();
    QTabWidget* BuildNotebook(ChartRow row);
    void ApplyTexts();

    void Simulate();
    void LoadArchive(ChartRow row);
    void FillArchiveList(QComboBox* list);
    // While the plant runs offline or an archive loads: the window and the program take no
    // input, and the gauge repaints.
    void SetBusy(bool busy);
    void ShowProgress(QProgressBar* gauge, int percent);

    void SyncInputs();
    void SyncIndices();
    void SyncZoomButton();
    void RepaintLoop(int loop);
    void RepaintCharts();
    void ExportShown(ChartRow row, ExportFormat format);

    AppContext& context_;
    FastSimulationWindow model_;
    bool busy_ = false;
    QComboBox* window_ = nullptr;       // JanelaComboBox
    QComboBox* step_ = nullptr;         // TACombo
    QComboBox* signal_ = nullptr;       // SinalTesteCombo
    QLabel* amplitudeLabel_ = nullptr;  // SinalTesteTxt
    QLineEdit* amplitude_ = nullptr;    // SinalTesteValor
    QPushButton* simulate_ = nullptr;   // BTNSimular
    QProgressBar* gauge_ = nullptr;     // Gauge1
    QCheckBox* archive_ = nullptr;      // CheckArquivar
    QLineEdit* baseName_ = nullptr;     // Edit2
    QLabel* completion_ = nullptr;      // Label5
    QCheckBox* normalize_ = nullptr;    // Normaliza
    QTabWidget* upperBook_ = nullptr;   // TabbedNotebook1
    QTabWidget* lowerBook_ = nullptr;   // TabbedNotebook2
    std::array<LoopChart*, 10> upperCharts_{}, lowerCharts_{};
    QComboBox* upperList_ = nullptr;      // ComboBox2
    QComboBox* lowerList_ = nullptr;      // ComboBox1
    QProgressBar* upperGauge_ = nullptr;  // Gauge2
    QProgressBar* lowerGauge_ = nullptr;  // Gauge3
    QToolButton* zoomButton_ = nullptr;   // SpeedButton1
    QCheckBox* hideCOs_ = nullptr;        // CheckBox1
    std::array<QLineEdit*, 7> upperFields_{}, lowerFields_{};
};

}  // namespace vork
