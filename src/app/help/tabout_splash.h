#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/app_context.h"

namespace vork {

// The about box in its small form, also the start-up window: the splash picture `Image1` and the
// button `BotaoFechar`, without border, always on top, centred on the main window. Each about box
// is a window of its own, destroyed when its button closes it. The class of the fast-simulation
// window shares the original form's name, hence this one's.
class TAboutSplash : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kStartUpMs = 3000;

    explicit TAboutSplash(AppContext& context);

    // The about box: the close button shown, the timer stopped.
    void ShowFromMain();
    // The start-up window: no close button, closed by `Timer1` after three seconds.
    void ShowAtStartUp();
    // `Timer1` fired: the start-up is over.
    void Timer1Timer();

  Q_SIGNALS:
    // The start-up window is about to close (the language preference and the gallery follow).
    void startUpEnded();

  private:
    void CentreOnMain();

    AppContext& context_;
    QLabel* image_;
    QPushButton* close_;
    QTimer* timer_;
};

}  // namespace vork
