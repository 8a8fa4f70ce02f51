#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "app/app_context.h"
#include "windows/calc_block_window.h"

namespace vork {

// A calculation block's window: its fields, the live result and the apply-before-leave rule. A
// view of the calculation block window model.
class TBloco : public QWidget {
    Q_OBJECT

  public:
    TBloco(AppContext& context, int slot);

    CalcBlockWindow& model() { return model_; }
    // Every control as the block and the model say.
    void Sync();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* AddField(const char* name, std::string CalcBlockFields::*field);
    QCheckBox* AddLimitBox(const char* name, const char* caption, bool CalcBlockFields::*field);
    QWidget* BuildLimits();
    void ApplyTexts();
    void UpdateClicked();

    AppContext& context_;
    CalcBlockWindow model_;
    QLabel* header_ = nullptr;  // Label9
    QLabel* address_ = nullptr;
    QLabel* result_ = nullptr;
    QLineEdit* tag_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* function_ = nullptr;
    QLineEdit* upper_ = nullptr;
    QLineEdit* lower_ = nullptr;
    QCheckBox* upperOn_ = nullptr;
    QCheckBox* lowerOn_ = nullptr;
    QPushButton* update_ = nullptr;  // btnatualiza
    QPushButton* exit_ = nullptr;    // SairButton
};

}  // namespace vork
