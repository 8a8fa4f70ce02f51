#pragma once

#include <QString>

namespace vork {

// A file dialog's settings. The filter is written as the windows give it: pairs of description
// and pattern separated by bars, "Arquivos de Simulação (*.smp)|*.smp|Todos os  Arquivos
// (*.*)|*.*".
struct FileDialog {
    QString title;
    QString folder;    // where the dialog starts; empty for the working folder
    QString fileName;  // the name it proposes
    QString filter;
};

// Everything the program asks of the desktop besides its own windows: message boxes, file and
// folder dialogs, the web browser and the internet check. The windows reach the desktop only
// through this interface, so tests answer for the user.
class Platform {
  public:
    virtual ~Platform() = default;

    // An information box with an OK button.
    virtual void Message(const QString& text) = 0;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // The file chosen, or an empty text when the dialog was cancelled.
    virtual QString OpenFileName(const FileDialog& dialog) = 0;
    virtual QString SaveFileName(const FileDialog& dialog) = 0;
    // The folder chosen, or an empty text.
    virtual QString ChooseFolder(const QString& title, const QString& folder) = 0;
    // Opens a web address in the default browser; false when that failed.
    virtual bool OpenWebAddress(const QString& address) = 0;
    // Whether the computer reaches the internet; no when that cannot be told.
    virtual bool InternetAvailable() = 0;
};

}  // namespace vork
