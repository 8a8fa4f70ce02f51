#include "app/workspace/tconfigform.h"

#include <QEvent>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/platform/platform.h"
#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"
#include "windows/main_window.h"
#include "windows/slot_boxes.h"

namespace vork {

namespace {

constexpr const char* kPictureFilter =
    "Arquivos Bit-Map (*.bmp);|*.bmp|Todos os Arquivos (*.*)|*.*";

}  // namespace

TConfigForm::TConfigForm(AppContext& context)
    : context_(context), model_(context.project(), context.main) {
    setObjectName("ConfigForm");
    setWindowFlag(Qt::Window);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTopArea());
    pages_ = new QTabWidget(this);
    pages_->setObjectName("NoteBook1");
    pages_->setUsesScrollButtons(false);  // every page's tab in sight
    pages_->addTab(BuildControllersPage(), QString());
    pages_->addTab(BuildSlotPage(SlotKind::Process, 2), QString());
    pages_->addTab(BuildSlotPage(SlotKind::Calc, 2), QString());
    pages_->addTab(BuildSlotPage(SlotKind::Recorder, 1), QString());
    pages_->addTab(BuildSlotPage(SlotKind::Text, 2), QString());
    pages_->addTab(BuildShapesPage(), QString());
    pages_->addTab(BuildCommandsPage(), QString());
    layout->addWidget(pages_, 1);
    connect(pages_->tabBar(), &QTabBar::tabBarClicked, this,
            [this](int page) { model_.PageClick(page); });

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::projectReplaced, this, [this] {
        model_.ProjectReplaced();
        pages_->setCurrentIndex(model_.page());
        ApplyTexts();
        Sync();
    });
    connect(&document, &ProjectDocument::slotEmptied, this, [this](ObjectRef ref) {
        model_.SlotEmptied(ref);
        SyncBoxes();
    });
    connect(&document, &ProjectDocument::objectChanged, this, [this] {
        if (isVisible()) Sync();
    });
    connect(&document, &ProjectDocument::ticked, this, [this] {
        QString cycle = FromStd(model_.cycleText());
        if (cycle_->text() != cycle) cycle_->setText(cycle);
    });
    ApplyTexts();
    Sync();
}

QWidget* TConfigForm::BuildTopArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    auto label = [area](const char* name) {
        auto* l = new QLabel(area);
        l->setObjectName(name);
        return l;
    };
    picture_ = new QLineEdit(area);
    picture_->setObjectName("Edit1");
    picture_->setReadOnly(true);
    auto* choose = new QToolButton(area);
    choose->setObjectName("SpeedButton1");
    choose->setText("...");
    connect(choose, &QToolButton::clicked, this, &TConfigForm::ChoosePicture);
    title_ = new QLineEdit(area);
    title_->setObjectName("Titulo");
    connect(title_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetTitle(text.toStdString()); });
    cycle_ = label("Label2");
    cycleList_ = new QComboBox(area);
    cycleList_->setObjectName("ComboBox2");
    for (const char* entry : kCycleEntries)
        cycleList_->addItem(entry);
    cycleList_->setEnabled(false);
    connect(cycleList_, &QComboBox::activated, this, [this](int position) {
        model_.ChooseCycle(position);
        context_.document.SyncTimer();
    });
    auto* exit = new QPushButton(area);
    exit->setObjectName("SairButton");
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.Exit();
        close();
    });

    grid->addWidget(label("Label1"), 0, 0);
    grid->addWidget(picture_, 0, 1, 1, 3);
    grid->addWidget(choose, 0, 4);
    grid->addWidget(label("Label3"), 1, 0);
    grid->addWidget(title_, 1, 1, 1, 4);
    grid->addWidget(label("Label29"), 2, 0);
    grid->addWidget(cycle_, 2, 1);
    grid->addWidget(cycleList_, 2, 2);
    grid->addWidget(exit, 2, 3, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return area;
}

void TConfigForm::ChoosePicture() {
    QString chosen =
        context_.platform.OpenFileName({QString(), QString(), QString(), kPictureFilter});
    if (chosen.isEmpty()) return;
    model_.PictureChosen(chosen.toStdString());
    picture_->setText(FromStd(context_.project().workspace.pictureName));
}

void TConfigForm::ShowFromMain() {
    model_.Show();
    pages_->setCurrentIndex(model_.page());
    Sync();
    show();
    raise();
}

void TConfigForm::showEvent(QShowEvent* event) {
    Sync();
    QWidget::showEvent(event);
}

void TConfigForm::ApplyTexts() {
    ApplyWindowTexts(*this, kConfigurationWindowTexts, context_.language());
    model_.LanguageChanged();
    SyncBoxes();
}

void TConfigForm::Sync() {
    const Workspace& ws = context_.project().workspace;
    if (picture_->text() != FromStd(ws.pictureName)) picture_->setText(FromStd(ws.pictureName));
    if (title_->text() != FromStd(ws.Titulo)) title_->setText(FromStd(ws.Titulo));
    cycle_->setText(FromStd(model_.cycleText()));
    cycleList_->setCurrentIndex(model_.cyclePosition());
    SyncBoxes();
    SyncCharacterizer();
    SyncShapes();
    SyncCommands();
}

void TConfigForm::SyncBoxes() {
    for (auto& [box, ref] : boxes_) {
        box->setText(FromStd(model_.boxCaption(ref)));
        box->setChecked(model_.boxChecked(ref));
    }
}

bool TConfigForm::eventFilter(QObject* watched, QEvent* event) {
    // The input list is rebuilt from the current descriptions whenever it gets the focus.
    if (watched == characterizerInput_ && event->type() == QEvent::FocusIn) {
        QSignalBlocker quiet(characterizerInput_);
        QString text = characterizerInput_->currentText();
        characterizerInput_->clear();
        for (const std::string& entry : model_.characterizerInputList())
            characterizerInput_->addItem(FromStd(entry));
        characterizerInput_->setCurrentIndex(-1);
        characterizerInput_->setEditText(text);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vork
