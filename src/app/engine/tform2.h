#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "app/app_context.h"
#include "app/workspace/up_down.h"
#include "windows/animated_text_window.h"

namespace vork {

// An animated text's window: type, variable or expression, span, alarms, and the result that
// the main window's Texto label shows too. A view of the animated text window model.
class TForm2 : public QWidget {
    Q_OBJECT

  public:
    TForm2(AppContext& context, int slot);

    AnimatedTextWindow& model() { return model_; }
    // Every control as the text and the model say.
    void Sync();

  protected:
    bool event(QEvent* event) override;

  private:
    QWidget* BuildType();
    QWidget* BuildSource();
    QWidget* BuildFields();
    QLineEdit* AddField(const char* name, std::string AnimatedTextFields::*field);
    void SyncFields();
    void ShowResult();
    void ApplyTexts();

    AppContext& context_;
    AnimatedTextWindow model_;
    QLabel* header_ = nullptr;  // Label4
    QButtonGroup* type_ = nullptr;
    QLabel* source_ = nullptr;  // Label3
    QComboBox* variable_ = nullptr;
    QLineEdit* function_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* decimals_ = nullptr;
    UpDown* decimalArrows_ = nullptr;
    // The unit and span fields with their labels, then the alarm fields with theirs.
    std::array<std::pair<QLabel*, QLineEdit*>, 3> span_{};
    std::array<std::pair<QLabel*, QLineEdit*>, 2> alarms_{};
    QLabel* result_ = nullptr;  // Label1
};

}  // namespace vork
