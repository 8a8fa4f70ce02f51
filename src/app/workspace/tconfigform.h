#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <map>

#include "app/app_context.h"
#include "app/workspace/colour_box.h"
#include "app/workspace/up_down.h"
#include "windows/configuration_window.h"

namespace vork {

// The general configuration window: the top area (picture, title, execution cycle, exit) and
// the seven pages of `NoteBook1`. A view of the configuration window model; every change goes
// through it to the project.
class TConfigForm : public QWidget {
    Q_OBJECT

  public:
    explicit TConfigForm(AppContext& context);

    ConfigurationWindow& model() { return model_; }
    // The menu entry "Configuração": caption refresh, first page, shown.
    void ShowFromMain();
    void ApplyTexts();
    // Every control as the project and the model say.
    void Sync();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct ShapeRow {
        QCheckBox* check;
        QComboBox* type;
        QComboBox* variable;
        QLineEdit* height;
        UpDown* heightArrows;
        QLineEdit* width;
        UpDown* widthArrows;
        ColourBox* colour1;
        ColourBox* colour2;
    };
    struct ButtonRow {
        QCheckBox* check;
        QLineEdit* description;
        QLineEdit* textOff;
        QLineEdit* textOn;
    };
    struct TrackRow {
        QCheckBox* check;
        QLineEdit* caption;
        QCheckBox* bar;
    };

    QWidget* BuildTopArea();
    QWidget* BuildControllersPage();
    QWidget* BuildCharacterizerPanel(QWidget* parent);
    QWidget* BuildSlotPage(SlotKind kind, int columns);
    QWidget* BuildShapesPage();
    QWidget* BuildCommandsPage();
    QCheckBox* AddSlotBox(SlotKind kind, int slot, QWidget* parent);
    void ChoosePicture();

    void SyncBoxes();
    void SyncCharacterizer();
    void SyncShapes();
    void SyncCommands();

    AppContext& context_;
    ConfigurationWindow model_;
    QLineEdit* picture_ = nullptr;    // Edit1
    QLineEdit* title_ = nullptr;      // Titulo
    QLabel* cycle_ = nullptr;         // Label2
    QComboBox* cycleList_ = nullptr;  // ComboBox2
    QTabWidget* pages_ = nullptr;     // NoteBook1
    std::map<QCheckBox*, ObjectRef> boxes_;
    QCheckBox* characterizerOn_ = nullptr;
    QComboBox* characterizerInput_ = nullptr;
    std::array<QLineEdit*, 6> mv_{};
    std::array<QLineEdit*, 6> pv_{};
    std::array<ShapeRow, 5> shapes_{};
    std::array<std::pair<QCheckBox*, QComboBox*>, 2> switches_{};
    std::array<ButtonRow, 3> buttons_{};
    std::array<TrackRow, 6> tracks_{};
};

}  // namespace vork
