#pragma once

#include <QString>

namespace vork {

struct AppContext;

// Where the examples are looked for: below the start folder (the working folder when the program
// started), else below the installed data folder.
struct ExampleFolders {
    QString start;
    QString data;

    // The working folder now, and the data folder beside the installed program
    // (<prefix>/share/vork for <prefix>/bin/vork).
    static ExampleFolders AtStart();
};

// Opens the example of a gallery picture: asks whether to save unsaved changes, loads the example
// (a failed load shows its reason and leaves a new project) and hides `Salvar1`, so that an example
// is saved only under another name. True when the example was loaded.
bool OpenExample(AppContext& context, const QString& picture, const ExampleFolders& folders);

// The save prompt: with unsaved changes, asks whether to save them and, on Yes, for a file name,
// used as typed. A failed write is shown. The caller goes on whatever the answers.
void OfferToSave(AppContext& context);

}  // namespace vork
