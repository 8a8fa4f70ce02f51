#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTextEdit>
#include <map>
#include <string_view>

#include "app/app_context.h"
#include "app/workspace/example_gallery_view.h"
#include "app/workspace/marker_widgets.h"
#include "app/workspace/synoptic_view.h"

namespace vork {

// The main window: the menu bar, the synoptic picture with its markers or, in its place, the
// example gallery, the help line `HelpPanel` at the bottom and the comment panel `RichEdit1` at
// the right. It shows the main window model and the project; the menu entries of other windows
// open them through the registry.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(AppContext& context);

    SynopticView& synoptic() { return *synoptic_; }
    QTextEdit& commentPanel() { return *comments_; }
    ExampleGalleryView& gallery() { return *gallery_; }
    // The gallery in place of the synoptic; while it shows, only "Arquivo" and "Ajuda" are in
    // the menu bar.
    void ShowGallery(bool show);
    // Where a gallery picture's example is looked for; the start folders by default.
    // "descricao.rtf" of the working folder into the comment panel, as rich text; it becomes the
    // project's comment lines. Nothing happens when there is no such file.
    void LoadCommentFile();
    // The menu entry `name`; null when there is none.
    QAction* Entry(const QString& name) const;
    // Texts of the interface language: menus, panel, help line, saved indicator, caption.
    void ApplyTexts();
    // The project's picture, from the project file's folder or else the working folder; `force`
    // reads it again even when it is the one shown.
    void LoadPicture(bool force = false);
    // Menu entries as the model and the registry say: visible, checked, enabled.
    void SyncMenus();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    QAction* AddEntry(QWidget* parent, const char* name, bool checkable = false);
    QMenu* AddMenu(QWidget* parent, const char* name);
    void BuildHelpPanel(QWidget* parent);
    void Triggered(const QString& name);
    void ToggleComments();

    void ProjectReplaced();
    void ObjectChanged(ObjectRef ref);
    void SyncSavedIndicator();
    void SyncComments();
    void ShowComments(const QString& source);
    void ShowCommentBytes(std::string_view bytes);
    void CommentsEdited();

    AppContext& context_;
    MainWindow& model_;
    SynopticView* synoptic_;
    ExampleGalleryView* gallery_;
    QTextEdit* comments_;
    QString commentsShown_;  // the comment lines the panel shows, joined by line breaks
    bool fillingComments_ = false;
    std::map<QString, QAction*> entries_;
    QString pictureWanted_;  // the folder and name of the picture last looked for
};

}  // namespace vork
