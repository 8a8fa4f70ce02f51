#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "windows/process_window.h"

class QGridLayout;

namespace vork {

// A process block's window: its parameters as typed, its live input, actuator position and
// output, and "Atualizar". A view of the process window model; every edit goes through it to
// the project.
class TProcesso : public QWidget {
    Q_OBJECT

  public:
    TProcesso(AppContext& context, int slot);

    ProcessWindow& model() { return model_; }
    // The block's marker: activated, centred on the screen the first time, shown on top of the
    // main window.
    void ShowFromMain();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A parameter field and the text of the block it edits.
    struct Field {
        QLineEdit* edit;
        std::string ProcessFields::*text;
    };
    // A captioned parameter field to build.
    struct FieldRow {
        const char* label;
        const char* name;
        std::string ProcessFields::*text;
    };

    QWidget* BuildTitle();
    QWidget* BuildIdentity();
    QWidget* BuildTypeGroups();
    QGroupBox* BuildTypeGroup(const char* name, std::initializer_list<FieldRow> rows);
    QWidget* BuildNonLinearities();
    QWidget* BuildLiveValues();
    QWidget* BuildButtons();
    QLabel* Label(const char* name, QWidget* parent);
    QLineEdit* AddField(const char* name, std::string ProcessFields::*text, QWidget* parent);
    static void AddRow(QGridLayout* grid, int row, QLabel* label, QWidget* control, int column = 0,
                       int span = 1);

    bool Alive() const;
    void Activated();
    void ApplyTexts();
    void RebuildInputList();
    void Sync();
    void SyncFields(const ProcessFields& f);
    void SyncTypeGroup(int type);
    void ShowLiveValues();
    void Atualizar();

    AppContext& context_;
    ProcessWindow model_;
    bool placed_ = false;  // centred once; later openings keep where the user put it
    std::vector<Field> fields_;
    QLabel* title_ = nullptr;               // Label9
    QComboBox* input_ = nullptr;            // EntradaSelect
    QComboBox* type_ = nullptr;             // ComboBox2
    QStackedWidget* typeGroups_ = nullptr;  // the one place of the four type groups
    QLineEdit* initialValue_ = nullptr;     // ValorInicialText
    QLabel* initialValueLabel_ = nullptr;   // Label35
    QComboBox* curve_ = nullptr;            // ComboBox1
    QCheckBox* clamp_ = nullptr;            // CheckBox1
    std::array<QLabel*, 3> live_{};         // Label36, Label26, Label12
    QLabel* actuatorAddress_ = nullptr;     // Label2
    QLabel* outputAddress_ = nullptr;       // Label22
    QPushButton* apply_ = nullptr;          // btnatualiza
    QPushButton* exit_ = nullptr;           // SairButton
};

}  // namespace vork
