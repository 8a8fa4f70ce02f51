#pragma once

#include <QString>
#include <QTabWidget>

#include "engine/language.h"

namespace vork {

// The example gallery `TabbedNotebook1` of the main window: six pages of examples, each a
// clickable picture (named as the picture, "sim18"), its title label "sim<n>title" and its
// description box "Memo<n>". A click on a picture asks for that example.
class ExampleGalleryView : public QTabWidget {
    Q_OBJECT

  public:
    explicit ExampleGalleryView(QWidget* parent);

    // Page captions, titles and descriptions in `language`.
    void ApplyTexts(Language language);

  Q_SIGNALS:
    void exampleChosen(const QString& picture);

  private:
    QWidget* BuildPage(int page);
};

}  // namespace vork
