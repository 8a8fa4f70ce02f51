#include "app/workspace/tform1.h"
#include "app/project/life_cycle_commands.h"
#include "app/std_text.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/window_registry.h"
#include "app/window_texts.h"
#include "app/workspace/menu_bar_style.h"
#include "app/workspace/rich_text_view.h"
#include "project/project.h"
#include "project/rtf_reader.h"

namespace vork {

namespace {

constexpr int kCommentWidth = 288;  // pixels
constexpr const char* kCommentFile = "descricao.rtf";
constexpr const char* kOwnEntries[] = {"Sair1", "PausarSimulao2", "MoverObjetos2", "ExcluirObjetos",
                                       "Comentrios1"};

}  // namespace

TForm1::TForm1(AppContext& context) : context_(context), model_(context.main) {
    setObjectName("Form1");
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    synoptic_ = new SynopticView(context, central);
    gallery_ = new ExampleGalleryView(central);
    comments_ = new QTextEdit(central);
    comments_->setObjectName("RichEdit1");
    comments_->setFixedWidth(kCommentWidth);
    comments_->hide();
    row->addWidget(synoptic_, 1);
    row->addWidget(gallery_, 1);
    row->addWidget(comments_);
    column->addLayout(row, 1);
    BuildHelpPanel(central);
    setCentralWidget(central);
    BuildMenus();

    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::projectReplaced, this, &TForm1::ProjectReplaced);
    connect(&document, &ProjectDocument::objectChanged, this, &TForm1::ObjectChanged);
    connect(&document, &ProjectDocument::slotFilled, synoptic_, &SynopticView::Sync);
    connect(&document, &ProjectDocument::slotEmptied, this, [this](ObjectRef ref) {
        model_.SlotEmptied(ref);
        synoptic_->Sync();
    });
    connect(&document, &ProjectDocument::savedChanged, this, &TForm1::SyncSavedIndicator);
    connect(&document, &ProjectDocument::ticked, this, [this](bool refreshed) {
        if (refreshed) synoptic_->SyncDisplays();
    });
    connect(synoptic_, &SynopticView::doubleClicked, this, [this] {
        LoadPicture(true);
        LoadCommentFile();
    });
    connect(gallery_, &ExampleGalleryView::exampleChosen, this,
            [this](const QString& picture) { OpenExample(context_, picture); });
    connect(synoptic_, &SynopticView::modesEnded, this, &TForm1::SyncMenus);
    connect(comments_, &QTextEdit::textChanged, this, &TForm1::CommentsEdited);
    gallery_->hide();
    ApplyTexts();
    SyncMenus();
}

void TForm1::BuildHelpPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("HelpPanel");
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 3, 4, 3);
    auto* help = new ClickableLabel(panel);
    help->setObjectName("Label21");
    help->setAlignment(Qt::AlignCenter);
    help->setCursor(Qt::PointingHandCursor);
    QFont underlined = help->font();
    underlined.setUnderline(true);
    help->setFont(underlined);
    QPalette blue = help->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    help->setPalette(blue);
    layout->addWidget(help);
    connect(help, &ClickableLabel::clicked, this, [this] { Triggered("utorial1"); });
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(panel);
}

QAction* TForm1::AddEntry(QWidget* parent, const char* name, bool checkable) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setCheckable(checkable);
    parent->addAction(action);
    QString entry = name;
    connect(action, &QAction::triggered, this, [this, entry] { Triggered(entry); });
    entries_[entry] = action;
    return action;
}

QMenu* TForm1::AddMenu(QWidget* parent, const char* name) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    parent->addAction(menu->menuAction());
    entries_[name] = menu->menuAction();
    return menu;
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto* style = new MenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    AddEntry(bar, "Salvar1");
    QMenu* file = AddMenu(bar, "Arquivo1");
    for (const char* name : {"Novo1", "Abrir1", "SalvarComo1", "Sair1"})
        AddEntry(file, name);
    QMenu* language = AddMenu(file, "SelectLanguage1");
    auto* languages = new QActionGroup(this);
    for (const char* name : {"Portuguese1", "English1"})
        languages->addAction(AddEntry(language, name, true));
    AddEntry(file, "Pastacorrente1");
    for (const char* name :
         {"Exemplos1", "Configurao2", "Configurao1", "Dese1", "Variveis1", "RegistradorXY1"})
        AddEntry(bar, name);
    QMenu* options = AddMenu(bar, "Opes1");
    for (const char* name : {"PausarSimulao2", "MoverObjetos2", "ExcluirObjetos"})
        AddEntry(options, name, true);
    QMenu* help = AddMenu(bar, "Sobre1");
    AddEntry(help, "Comentrios1", true);
    for (const char* name : {"utorial1", "VdeoAulas1", "IntroduoControledeProcessos1", "Sobre3"})
        AddEntry(help, name);
}

QAction* TForm1::Entry(const QString& name) const {
    auto entry = entries_.find(name);
    return entry == entries_.end() ? nullptr : entry->second;
}

void TForm1::Triggered(const QString& name) {
    if (name == "Sair1") {
        close();
    } else if (name == "PausarSimulao2") {
        model_.PausarSimulao2Click();
        context_.document.SyncTimer();
    } else if (name == "MoverObjetos2") {
        model_.MoverObjetos2Click();
    } else if (name == "ExcluirObjetos") {
        model_.ExcluirObjetosClick();
    } else if (name == "Comentrios1") {
        ToggleComments();
    } else {
        context_.windows.Trigger(name);
    }
    SyncMenus();
    synoptic_->SyncCursor();
}

void TForm1::ToggleComments() {
    context_.project().workspace.showComments = !context_.project().workspace.showComments;
    SyncComments();
}

void TForm1::ApplyTexts() {
    ApplyWindowTexts(*this, kMainWindowTexts, context_.language());
    gallery_->ApplyTexts(context_.language());
    SyncSavedIndicator();
    setWindowTitle(FromStd(model_.caption()));
}

void TForm1::SyncMenus() {
    // Entries whose windows or commands are not in the program do nothing, so they are greyed.
    for (auto& [name, action] : entries_) {
        bool own = std::find(std::begin(kOwnEntries), std::end(kOwnEntries), name) !=
                   std::end(kOwnEntries);
        if (!action->menu() && !own) action->setEnabled(context_.windows.Handles(name));
    }
    for (const char* name : kProjectMenuEntries)
        entries_.at(name)->setVisible(model_.menus.projectEntries);
    entries_.at("Salvar1")->setVisible(model_.menus.saveEntry);
    entries_.at("PausarSimulao2")->setChecked(model_.paused());
    entries_.at("MoverObjetos2")->setChecked(model_.moveMode());
    entries_.at("ExcluirObjetos")->setChecked(model_.deleteMode());
    entries_.at("Comentrios1")->setChecked(context_.project().workspace.showComments);
    bool english = context_.language() == Language::English;
    entries_.at("English1")->setChecked(english);
    entries_.at("Portuguese1")->setChecked(!english);
}

void TForm1::SyncSavedIndicator() {
    QAction* indicator = entries_.at("Salvar1");
    indicator->setText(QString::fromUtf8(model_.savedCaption().data(),
                                         static_cast<qsizetype>(model_.savedCaption().size())));
    indicator->setIcon(
        QIcon(model_.savedImage() == 0 ? ":/pictures/saved.svg" : ":/pictures/modified.svg"));
}

void TForm1::SyncComments() {
    const Workspace& ws = context_.project().workspace;
    comments_->setVisible(ws.showComments);
    QStringList lines;
    for (const std::string& line : ws.Comments(context_.language()))
        lines << FromStd(line);
    if (lines.join('\n') != commentsShown_) ShowComments(lines.join('\n'));
}

// Comment lines that hold an RTF document show formatted; other lines show as they are.
void TForm1::ShowComments(const QString& source) {
    QByteArray bytes = source.toUtf8();
    ShowCommentBytes(std::string_view(bytes.constData(), bytes.size()));
    commentsShown_ = source;
}

// RTF in its own sizes, plain text in the panel's.
void TForm1::ShowCommentBytes(std::string_view bytes) {
    fillingComments_ = true;
    ShowRichDocument(*comments_, ReadRtf(bytes), !IsRtf(bytes));
    fillingComments_ = false;
}

// What the user types becomes the project's comment lines, without formatting and without
// marking the project modified.
void TForm1::CommentsEdited() {
    if (fillingComments_) return;
    QString text = comments_->toPlainText();
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(line.toStdString());
    commentsShown_ = text;
    context_.project().Edit<Workspace>(
        {ObjectKind::Workspace},
        [&](Workspace& ws) { ws.Comments(context_.language()) = std::move(lines); }, Modifies::No);
}

void TForm1::LoadCommentFile() {
    QFile file(QDir::current().filePath(kCommentFile));
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray bytes = file.readAll();
    ShowCommentBytes(std::string_view(bytes.constData(), bytes.size()));
    CommentsEdited();
}

void TForm1::ShowGallery(bool show) {
    gallery_->setVisible(show);
    synoptic_->setVisible(!show);
    if (show) {
        model_.menus.projectEntries = false;
        model_.menus.saveEntry = false;
    }
    SyncMenus();
}

void TForm1::ProjectReplaced() {
    model_.ProjectReplaced();
    gallery_->hide();
    synoptic_->show();
    LoadPicture();
    SyncComments();
    SyncMenus();
    synoptic_->Sync();
    setWindowTitle(FromStd(model_.caption()));
}

void TForm1::ObjectChanged(ObjectRef ref) {
    if (ref.kind != ObjectKind::Workspace) model_.RefreshControllerColours();
    if (ref.kind == ObjectKind::Workspace) {
        LoadPicture();
        SyncComments();
    }
    synoptic_->Sync();
    setWindowTitle(FromStd(model_.caption()));
}

void TForm1::LoadPicture(bool force) {
    const Project& project = context_.project();
    QString name = FromStd(project.workspace.pictureName);
    QString projectFolder = FromStd(project.fileName().parent_path().string());
    QString wanted = projectFolder + '\n' + name;
    if (wanted == pictureWanted_ && !force) return;
    pictureWanted_ = wanted;
    PlantPicture& picture = synoptic_->picture();
    for (const QString& folder : {projectFolder, QDir::currentPath()}) {
        QString path = QDir(folder).filePath(name);
        if (!name.isEmpty() && !folder.isEmpty() && QFileInfo(path).isFile() && picture.Load(path))
            return;
    }
    picture.hide();
}

// Closing the main window ends the program, whatever other windows are open, once the checks
// before closing (the close prompt) let it.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!context_.windows.MayClose()) {
        event->ignore();
        return;
    }
    context_.windows.RunCloseCommands();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace vork
