#pragma once

#include <QChartView>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QWidget>

#include "app/app_context.h"
#include "windows/xy_recorder_window.h"

namespace vork {

// The XY recorder's window: the axis variables, the presets, the offline sweep with its gauge,
// and the plot of one variable against the other. A view of the XY recorder window model.
class TRegXY : public QWidget {
    Q_OBJECT

  public:
    explicit TRegXY(AppContext& context);

    XYRecorderWindow& model() { return model_; }
    QValueAxis* axisX() const { return axisX_; }
    QValueAxis* axisY() const { return axisY_; }
    // Every control as the recorder and the model say.
    void Sync();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildSelectors();
    QWidget* BuildRunArea();
    QWidget* BuildChart();
    QComboBox* AddAxisBox(XYAxis axis, const char* name);
    void Register();
    void ShowPoints();
    void ScaleAxes();

    AppContext& context_;
    XYRecorderWindow model_;
    QComboBox* presets_ = nullptr;
    QComboBox* comboX_ = nullptr;
    QComboBox* comboY_ = nullptr;
    QComboBox* window_ = nullptr;  // JanelaComboBox
    QPushButton* register_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QChartView* chartView_ = nullptr;
    QScatterSeries* series_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    size_t shownPoints_ = 0;
};

}  // namespace vork
