#pragma once

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "app/workspace/up_down.h"
#include "windows/generator_window.h"

namespace vork {

// The signal generator's window: one row per channel M81..M96, arranged for its type. A view of
// the generator window model.
class TParmForm : public QWidget {
    Q_OBJECT

  public:
    explicit TParmForm(AppContext& context);

    GeneratorWindow& model() { return model_; }
    // Every row as the generator and the model say.
    void Sync();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Row {
        QComboBox* type = nullptr;  // MnnTipo
        QLineEdit* desc = nullptr;
        QLineEdit* min = nullptr;  // channels 1..10 only
        QLineEdit* max = nullptr;
        QLineEdit* valor = nullptr;
        QWidget* valorDig = nullptr;
        std::array<QRadioButton*, 2> digits{};
        UpDown* upDown = nullptr;
    };

    void BuildRow(int k);
    QLineEdit* AddField(int k, const char* suffix, std::string GeneratorChannelFields::*field);
    QWidget* BuildRadioGroup(int k);
    QWidget* BuildButtons();
    void SyncRow(int k);
    void ArrangeRow(int k);
    void ShowOutputs();

    AppContext& context_;
    GeneratorWindow model_;
    QGridLayout* grid_ = nullptr;
    QPushButton* update_ = nullptr;  // Button1
    std::array<Row, SignalGenerator::kChannels> rows_{};
};

}  // namespace vork
