#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <array>
#include <map>

#include "app/workspace/marker_widgets.h"
#include "windows/main_window.h"

namespace vork {

struct AppContext;

// The synoptic picture of the main window: the plant picture `Image1` with every marker over
// it. It shows the workspace and the main window model, and turns clicks, drags and typing on
// the markers into the model's operations.
class SynopticView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kButtonWidth = 79;  // object markers, pixels
    static constexpr int kButtonHeight = 22;
    static constexpr int kSwitchSize = 48;
    static constexpr int kPanelWidth = 210;

    SynopticView(AppContext& context, QWidget* parent);

    PlantPicture& picture() { return *picture_; }
    // Every marker as the workspace and the model say: places, captions, visibility, displays.
    void Sync();
    // What the display refresh changes: animated texts, shapes, push-button texts.
    void SyncDisplays();
    // The cursor of the modes: cross-hair while a mode entry was just checked.
    void SyncCursor();
    // The space the markers are laid out in: the picture's extent and every marker's.
    QSize ContentSize() const;

  Q_SIGNALS:
    void doubleClicked();
    // A click on the picture ended the modes of the "Opções" menu.
    void modesEnded();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct TrackControls {
        TrackFrame* back;
        ClickableLabel* label;
        QLineEdit* text;
        QSlider* bar;
    };
    struct ButtonControls {
        VectorPicture* released;
        VectorPicture* pressed;
        QLabel* label;
        QLabel* text;
    };

    void BuildObjectMarkers();
    void BuildTexts();
    void BuildShapes();
    void BuildSwitches();
    void BuildPanel();
    void BuildTracks();
    void Watch(QWidget* widget);

    void MarkerClicked(MarkerId id);
    void MouseAt(QPoint at);
    Size SelectedMarkerSize() const;

    void SyncObjectMarkers();
    void SyncTexts();
    void SyncShapes();
    void SyncSwitches();
    void SyncPanel();
    void SyncTracks();

    AppContext& context_;
    MainWindow& model_;
    PlantPicture* picture_;
    std::map<std::pair<MarkerFamily, int>, QPushButton*> objectMarkers_;
    std::array<ClickableLabel*, 20> values_{};
    std::array<QLabel*, 20> descriptions_{};
    std::array<ShapeWidget*, 5> shapes_{};
    std::array<std::array<VectorPicture*, 8>, 2> switches_{};
    QGroupBox* panel_ = nullptr;
    std::array<ButtonControls, 3> buttons_{};
    std::array<TrackControls, 6> tracks_{};
};

}  // namespace vork
