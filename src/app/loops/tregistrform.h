#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <vector>

#include "app/app_context.h"
#include "app/loops/trend_area.h"
#include "windows/trend_recorder_window.h"

namespace vork {

// A trend recorder's window: the strip chart with the pens' current values, and the
// configuration column at its right. A view of the recorder window model; every change goes
// through it to the project.
class TRegistrForm : public QWidget {
    Q_OBJECT

  public:
    TRegistrForm(AppContext& context, int slot);

    TrendRecorderWindow& model() { return model_; }
    TrendArea& trendArea() { return *trend_; }

    // A marker click that shows the window: activated at its size.
    void ShowFromMain();
    void Sync();

  protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildTrend();
    void BuildButtons();
    void BuildConfiguration();
    QLineEdit* FieldText(const char* name, std::string TrendRecorderFields::*field);
    QComboBox* PenList(const char* name, int pen);
    void SyncConfiguration();
    void ApplyTexts();
    void ApplyLayout();
    void ArchiveClicked(bool on);
    QString WorkingFolder() const;

    AppContext& context_;
    TrendRecorderWindow model_;
    TrendArea* trend_ = nullptr;
    std::array<QLabel*, 3> penLabels_{};  // VermelhoLabel, AzulLabel, VerdeLabel
    QLabel* unit_ = nullptr;              // Label1
    QToolButton* conf_ = nullptr;         // ConfBTN
    QToolButton* exit_ = nullptr;         // SairBTN
    QWidget* column_ = nullptr;
    std::vector<std::pair<QLineEdit*, std::string TrendRecorderFields::*>> texts_;
    std::array<QComboBox*, 3> pens_{};  // Variavel1Select..Variavel3Select
};

}  // namespace vork
