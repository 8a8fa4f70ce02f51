#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <tuple>
#include <vector>

#include "app/app_context.h"
#include "app/loops/faceplate_bar.h"
#include "app/loops/trend_area.h"
#include "windows/controller_window.h"

namespace vork {

// The controller's window: the faceplate at the left, and at its right the loop trend or the
// configuration area `Panel2`. A view of the controller window model; every action goes
// through it to the project.
class TControlador : public QWidget {
    Q_OBJECT

  public:
    TControlador(AppContext& context, int slot);

    ControllerWindow& model() { return model_; }
    TrendArea& trendArea() { return *trend_; }

    // A marker click: the window as the model shows it on opening, activated.
    void ShowFromMain();
    // Everything as the model says.
    void Sync();

    // Where a page of the right part other than the trend and the configuration attaches (the
    // tuning page): `page` takes the right part of the wide form, and the faceplate's button
    // `TuningBTN`, shown from then on with `caption`, shows it in place of the trend and the
    // configuration area and hides it again.
    void AttachTuningPage(QWidget* page, const QString& caption);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildFaceplate();
    QWidget* BuildValueRows();
    void BuildModeGroups();
    void BuildButtons();
    void BuildTrend();
    void BuildConfiguration();
    QWidget* BuildIdentification();
    QWidget* BuildParameters();
    QWidget* BuildScaleAndGroups();
    QWidget* BuildVariables();
    QLineEdit* ConfigText(const char* name, std::string ControllerFields::*field);
    QRadioButton* RadioItem(QWidget* group, int position, int ControllerFields::*field);
    void ApplyTexts();
    void ApplyLayout();
    void SyncFaceplate();
    void SyncConfiguration();
    void FillList(QComboBox* list, const std::vector<std::string>& items, int selected);
    void Act(void (ControllerWindow::*action)());
    void StartArchive();
    void ShowTuningPage(bool shown);
    void AttachTuning(int slot);

    AppContext& context_;
    ControllerWindow model_;

    QLabel* description_ = nullptr;  // DescricaoText
    QLineEdit* sp_ = nullptr;        // SPText
    QLineEdit* pv_ = nullptr;        // PVText
    QLineEdit* mv_ = nullptr;        // MVText
    QLabel* unit_ = nullptr;         // UnitEngSP
    QLabel* pvUnit_ = nullptr;
    std::array<FaceplateBar*, 4> bars_{};
    QToolButton* localRemote_ = nullptr;
    QLabel* localRemoteLetter_ = nullptr;  // Label1
    QToolButton* autoManual_ = nullptr;
    QLabel* autoManualLetter_ = nullptr;  // Label2
    std::array<QToolButton*, 2> setpointArrows_{};
    std::array<QToolButton*, 2> outputArrows_{};
    QPushButton* send_ = nullptr;    // Button2
    QToolButton* config_ = nullptr;  // ConfigBTN
    QPushButton* tuningButton_ = nullptr;
    QWidget* tuningPage_ = nullptr;

    TrendArea* trend_ = nullptr;
    std::array<QCheckBox*, 4> show_{};  // MostrarPV, MostrarSP, MostrarCO, MostrarAtuador

    QFrame* panel2_ = nullptr;
    QPushButton* apply_ = nullptr;  // btnatualiza
    std::vector<std::pair<QLineEdit*, std::string ControllerFields::*>> texts_;
    std::vector<std::pair<QCheckBox*, bool ControllerFields::*>> checks_;
    std::vector<std::tuple<QRadioButton*, int, int ControllerFields::*>> radios_;
    QComboBox* pvList_ = nullptr;        // VariavelSelect
    QComboBox* remoteList_ = nullptr;    // SPRSelect
    QComboBox* slaveList_ = nullptr;     // BackMV
    QCheckBox* remoteCheck_ = nullptr;   // CheckSPR
    std::array<QLineEdit*, 3> scale_{};  // InicioEscala, FimEscala, UnidEng
};

}  // namespace vork
