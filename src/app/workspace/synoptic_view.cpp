#include "app/workspace/synoptic_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "app/app_context.h"
#include "app/std_text.h"
#include "app/window_registry.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr MarkerFamily kObjectFamilies[] = {MarkerFamily::Controller, MarkerFamily::Process,
                                            MarkerFamily::Calc, MarkerFamily::Recorder};
constexpr const char* kSwitchSets[] = {"left", "up", "right", "down"};
constexpr int kTrackTextWidth = 60;
constexpr int kTrackTextHeight = 20;
constexpr int kTrackBarHeight = 34;
constexpr int kPictureSize = 36;  // push buttons
constexpr int kButtonRow = 50;    // the panel grows by this much a button

QColor ToQColor(Colour c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

QColor ToQColor(TextColour colour, const QPalette& palette) {
    switch (colour) {
        case TextColour::Red:
            return Qt::red;
        case TextColour::Blue:
            return Qt::blue;
        case TextColour::Default:
            break;
    }
    return palette.color(QPalette::WindowText);
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    label->adjustSize();
}

}  // namespace

SynopticView::SynopticView(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), model_(context.main) {
    setObjectName("Synoptic");
    setMouseTracking(true);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    picture_ = new PlantPicture(this);
    picture_->setObjectName("Image1");
    BuildObjectMarkers();
    BuildTexts();
    BuildShapes();
    BuildSwitches();
    BuildPanel();
    BuildTracks();
    Sync();
}

void SynopticView::Watch(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void SynopticView::BuildObjectMarkers() {
    for (MarkerFamily family : kObjectFamilies) {
        for (int n = 1; n <= MarkerCount(family); ++n) {
            MarkerId id{family, n};
            auto* button = new MarkerButton(this);
            button->setObjectName(FromStd(MarkerName(id)));
            button->setToolTip(FromStd(MarkerHint(id)));
            button->resize(kButtonWidth, kButtonHeight);
            button->setFocusPolicy(Qt::NoFocus);
            button->hide();
            connect(button, &QPushButton::clicked, this, [this, id] { MarkerClicked(id); });
            Watch(button);
            objectMarkers_[{family, n}] = button;
        }
    }
}

void SynopticView::BuildTexts() {
    for (int n = 1; n <= 20; ++n) {
        auto* value = new ClickableLabel(this);
        value->setObjectName(QString("Texto%1").arg(n));
        value->hide();
        connect(value, &ClickableLabel::clicked, this, [this, n] {
            MarkerClicked({MarkerFamily::Text, n});
        });
        Watch(value);
        values_[n - 1] = value;
        auto* description = new QLabel(this);
        description->setObjectName(QString("Label%1").arg(n));
        description->hide();
        Watch(description);
        descriptions_[n - 1] = description;
    }
}

void SynopticView::BuildShapes() {
    for (int k = 1; k <= 5; ++k) {
        auto* shape = new ShapeWidget(this);
        shape->setObjectName(QString("Shape%1").arg(k));
        shape->hide();
        connect(shape, &ShapeWidget::pressed, this, [this, k] {
            MarkerClicked({MarkerFamily::Shape, k});
        });
        Watch(shape);
        shapes_[k - 1] = shape;
    }
}

void SynopticView::BuildSwitches() {
    for (int s = 1; s <= 2; ++s) {
        MarkerId id{MarkerFamily::Switch, s};
        for (int p = 1; p <= 8; ++p) {
            QString resource = QString(":/pictures/switch_%1_%2.svg")
                                   .arg(kSwitchSets[(p - 1) / 2])
                                   .arg((p - 1) % 2);
            auto* picture = new VectorPicture(resource, this);
            picture->setObjectName(QString("Chave%1p%2").arg(s).arg(p));
            picture->setToolTip(FromStd(MarkerHint(id)));
            picture->resize(kSwitchSize, kSwitchSize);
            picture->hide();
            connect(picture, &VectorPicture::clicked, this, [this, id] { MarkerClicked(id); });
            Watch(picture);
            switches_[s - 1][p - 1] = picture;
        }
    }
}

void SynopticView::BuildPanel() {
    panel_ = new QGroupBox(this);
    panel_->setObjectName("PainelComando");
    panel_->hide();
    Watch(panel_);
    const char* releasedNames[] = {"Botao1_norm", "Botao2_norm", "Botao3_norm"};
    const char* pressedNames[] = {"botao1_press", "Botao2_press", "Botao3_press"};
    for (int k = 1; k <= 3; ++k) {
        ButtonControls& b = buttons_[k - 1];
        int top = 22 + kButtonRow * (k - 1);
        b.released = new VectorPicture(":/pictures/button_released.svg", panel_);
        b.released->setObjectName(releasedNames[k - 1]);
        b.pressed = new VectorPicture(":/pictures/button_pressed.svg", panel_);
        b.pressed->setObjectName(pressedNames[k - 1]);
        for (VectorPicture* picture : {b.released, b.pressed}) {
            picture->setGeometry(10, top, kPictureSize, kPictureSize);
            picture->hide();
            connect(picture, &VectorPicture::clicked, this, [this, k] {
                model_.ButtonClick(k);
                SyncCursor();
            });
            Watch(picture);
        }
        b.label = new QLabel(panel_);
        b.label->setObjectName(QString("Botao%1_label").arg(k));
        QFont bold = b.label->font();
        bold.setBold(true);
        b.label->setFont(bold);
        b.label->setGeometry(54, top, kPanelWidth - 62, 17);
        b.text = new QLabel(panel_);
        b.text->setObjectName(QString("botao%1_texto").arg(k));
        b.text->setGeometry(54, top + 18, kPanelWidth - 62, 17);
        for (QLabel* label : {b.label, b.text}) {
            label->hide();
            Watch(label);
        }
    }
}

void SynopticView::BuildTracks() {
    for (int k = 1; k <= 6; ++k) {
        MarkerId id{MarkerFamily::Track, k};
        QString hint = FromStd(MarkerHint(id));
        TrackControls& t = tracks_[k - 1];
        t.back = new TrackFrame(this);
        t.back->setObjectName(QString("TrackBack%1").arg(k));
        connect(t.back, &TrackFrame::pressed, this, [this, id] { MarkerClicked(id); });
        t.label = new ClickableLabel(this);
        t.label->setObjectName(QString("TrackLabel%1").arg(k));
        connect(t.label, &ClickableLabel::clicked, this, [this, id] { MarkerClicked(id); });
        t.text = new QLineEdit("0", this);
        t.text->setObjectName(QString("TrackText%1").arg(k));
        t.text->resize(kTrackTextWidth, kTrackTextHeight);
        t.text->setAlignment(Qt::AlignRight);
        t.bar = new QSlider(Qt::Horizontal, this);
        t.bar->setObjectName(QString("TrackBar%1").arg(k));
        t.bar->setRange(0, Track::kBarMax);
        t.bar->setTickInterval(1000);
        t.bar->setTickPosition(QSlider::TicksBelow);
        t.bar->setPageStep(1000);
        t.bar->setSingleStep(100);
        connect(t.bar, &QSlider::valueChanged, this,
                [this, k](int position) { model_.TrackBarMoved(k, position); });
        for (QWidget* control : std::initializer_list<QWidget*>{t.back, t.label, t.text, t.bar}) {
            control->setToolTip(hint);
            control->hide();
            Watch(control);
        }
        t.back->lower();
    }
}

void SynopticView::MarkerClicked(MarkerId id) {
    std::optional<ObjectRef> object = ObjectOfMarker(id);
    switch (model_.Click(id)) {
        case MarkerOutcome::ShowWindow:
            context_.windows.Show(*object);
            break;
        case MarkerOutcome::ToggleWindow:
            context_.windows.Toggle(*object);
            break;
        default:
            break;
    }
    SyncCursor();
}

bool SynopticView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        MouseAt(widget->mapTo(this, mouse->position().toPoint()));
        return false;
    }
    bool press = event->type() == QEvent::MouseButtonPress;
    bool release = event->type() == QEvent::MouseButtonRelease;
    // The command panel is the marker of its buttons; plain labels on the picture keep their
    // clicks from the picture beneath.
    if (watched == panel_ && (press || release)) {
        if (release) MarkerClicked({MarkerFamily::Panel, 1});
        return true;
    }
    if ((press || release) && qobject_cast<QLabel*>(watched) &&
        !qobject_cast<ClickableLabel*>(watched))
        return true;
    for (int k = 1; k <= 6; ++k) {
        if (watched != tracks_[k - 1].text) continue;
        // In move mode the number field is a handle of its slider like the others.
        if (event->type() == QEvent::MouseButtonPress && model_.moveMode()) {
            MarkerClicked({MarkerFamily::Track, k});
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            model_.TrackTextEntered(k, tracks_[k - 1].text->text().toStdString());
            tracks_[k - 1].text->setText(
                FromStd(context_.project().workspace.tracks[k - 1].valueText));
            return true;
        }
        if (key == Qt::Key_Escape) {
            model_.TrackTextEscaped(k);
            tracks_[k - 1].text->setText(
                FromStd(context_.project().workspace.tracks[k - 1].valueText));
            return true;
        }
    }
    return false;
}

void SynopticView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void SynopticView::mouseMoveEvent(QMouseEvent* event) {
    MouseAt(event->position().toPoint());
}

void SynopticView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    model_.WindowClick();
    SyncCursor();
    Q_EMIT modesEnded();
}

void SynopticView::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT doubleClicked();
}

void SynopticView::MouseAt(QPoint at) {
    if (!model_.moveMode() || !model_.moving()) return;
    model_.MouseMove({at.x(), at.y()}, SelectedMarkerSize(), {width(), height()});
}

Size SynopticView::SelectedMarkerSize() const {
    std::optional<MarkerId> id = MarkerOfMoveCode(model_.selectedCode());
    if (!id) return {};
    const Workspace& ws = context_.project().workspace;
    int i = id->n - 1;
    switch (id->family) {
        case MarkerFamily::Text:
            return {values_[i]->width(), values_[i]->height()};
        case MarkerFamily::Shape:
            return {model_.shape(id->n).width, model_.shape(id->n).FullHeight(ws.shapes[i])};
        case MarkerFamily::Switch:
            return {kSwitchSize, kSwitchSize};
        case MarkerFamily::Panel:
            return {panel_->width(), panel_->height()};
        case MarkerFamily::Track:
            return {ws.tracks[i].backWidth, ws.tracks[i].backHeight};
        default:
            return {kButtonWidth, kButtonHeight};
    }
}

void SynopticView::SyncCursor() {
    if (model_.crossCursor())
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void SynopticView::Sync() {
    SyncObjectMarkers();
    SyncTexts();
    SyncShapes();
    SyncSwitches();
    SyncPanel();
    SyncTracks();
}

void SynopticView::SyncDisplays() {
    SyncTexts();
    SyncShapes();
    SyncPanel();
}

void SynopticView::SyncObjectMarkers() {
    const Workspace& ws = context_.project().workspace;
    for (auto& [key, button] : objectMarkers_) {
        auto [family, n] = key;
        const ObjectMarker& m = ws.Marker(SlotKindOf(ObjectOfMarker({family, n})->kind), n);
        button->move(m.left, m.top);
        if (button->text() != FromStd(m.caption)) button->setText(FromStd(m.caption));
        if (family == MarkerFamily::Controller)
            SetTextColour(button, QPalette::ButtonText,
                          model_.controllerAutomatic(n) ? Qt::blue : Qt::red);
        button->setVisible(m.visible);
    }
}

void SynopticView::SyncTexts() {
    const Workspace& ws = context_.project().workspace;
    for (int n = 1; n <= 20; ++n) {
        const TextMarker& m = ws.texts[n - 1];
        const TextDisplay& shown = model_.text(n);
        ClickableLabel* value = values_[n - 1];
        SetText(value, FromStd(shown.text));
        SetTextColour(value, QPalette::WindowText, ToQColor(shown.colour, palette()));
        value->move(m.left, m.top);
        value->setVisible(m.visible);
        QLabel* description = descriptions_[n - 1];
        SetText(description, FromStd(m.labelCaption));
        description->move(m.labelLeft, m.labelTop);
        description->setVisible(m.labelVisible);
    }
}

void SynopticView::SyncShapes() {
    const Workspace& ws = context_.project().workspace;
    for (int k = 1; k <= 5; ++k) {
        const ShapeView& view = model_.shape(k);
        ShapeWidget* shape = shapes_[k - 1];
        shape->setGeometry(view.left, view.top, std::max(0, view.width), std::max(0, view.height));
        shape->SetLook(view.circle, ToQColor(view.brush));
        shape->setVisible(ws.shapes[k - 1].shape.visible);
    }
}

void SynopticView::SyncSwitches() {
    const Workspace& ws = context_.project().workspace;
    for (int s = 0; s < 2; ++s) {
        const SwitchInput& input = ws.switches[s];
        for (int p = 0; p < 8; ++p) {
            switches_[s][p]->move(input.left, input.top);
            switches_[s][p]->setVisible(input.visiblePicture == p + 1);
        }
    }
}

void SynopticView::SyncPanel() {
    const CommandPanel& panel = context_.project().workspace.commandPanel;
    panel_->setGeometry(panel.PainelComando.left, panel.PainelComando.top, kPanelWidth,
                        panel.height);
    panel_->setVisible(panel.PainelComando.visible);
    for (int k = 1; k <= 3; ++k) {
        const PushButton& button = panel.buttons[k - 1];
        ButtonControls& b = buttons_[k - 1];
        b.released->setVisible(button.releasedVisible);
        b.pressed->setVisible(button.pressedVisible);
        b.label->setText(FromStd(button.description));
        b.text->setText(FromStd(model_.buttonText(k)));
        b.label->setVisible(button.BotaoCheck);
        b.text->setVisible(button.BotaoCheck);
    }
}

void SynopticView::SyncTracks() {
    const Workspace& ws = context_.project().workspace;
    for (int k = 1; k <= 6; ++k) {
        const Track& track = ws.tracks[k - 1];
        TrackControls& t = tracks_[k - 1];
        t.back->setGeometry(track.TrackBack.left, track.TrackBack.top, track.backWidth,
                            track.backHeight);
        SetText(t.label, FromStd(track.EntLabel));
        t.label->move(track.TrackLabel.left, track.TrackLabel.top);
        t.text->move(track.TrackText.left, track.TrackText.top);
        // Text being typed stays until Enter or Escape.
        if (!(t.text->hasFocus() && t.text->isModified()) &&
            t.text->text() != FromStd(track.valueText))
            t.text->setText(FromStd(track.valueText));
        t.bar->setGeometry(track.TrackBar.left, track.TrackBar.top, track.barWidth,
                           kTrackBarHeight);
        {
            QSignalBlocker quiet(t.bar);
            t.bar->setValue(track.barPosition);
        }
        QString hint = FromStd(model_.trackHint(k));
        for (QWidget* control : {static_cast<QWidget*>(t.back), static_cast<QWidget*>(t.label)})
            if (control->toolTip() != hint) control->setToolTip(hint);
        t.back->setVisible(track.TrackBack.visible);
        t.label->setVisible(track.TrackLabel.visible);
        t.text->setVisible(track.TrackText.visible);
        t.bar->setVisible(track.TrackBar.visible);
    }
}

QSize SynopticView::ContentSize() const {
    QRect extent = picture_->isVisible() ? picture_->geometry() : QRect();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(this)) extent |= child->geometry();
    return {extent.right() + 1, extent.bottom() + 1};
}

}  // namespace vork
