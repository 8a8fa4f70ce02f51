#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "plant/object_ref.h"

namespace vork {

struct AppContext;

// The windows that exist from start to end, created hidden in this order at start-up.
enum class PermanentWindow { VariableList, Configuration, XYRecorder, Generator };

// How the main window reaches every other window. Each window class is registered with one line
// in window_registrations.cpp:
//   - a slot object's window, `W(AppContext&, int slot)`, created when its marker is first clicked
//     and destroyed when its slot is emptied or the project is replaced;
//   - a permanent window, `W(AppContext&)`, created at start-up and shown by its menu entry;
//   - a window of which each menu click opens a new instance, `W(AppContext&)`;
//   - a menu command without a window of its own;
//   - something to do once the program has started (not in screenshot runs), or when the main
//     window closes.
// A window that defines `void ShowFromMain()` is shown through it (to enable buttons, select a
// page...); the others are shown and raised. A menu entry with nothing registered does nothing.
class WindowRegistry : public QObject {
    Q_OBJECT

  public:
    using Factory = std::function<QWidget*(AppContext&, int slot)>;
    using Action = std::function<void(AppContext&)>;

    // A window that exists, as the screenshots name it.
    struct Entry {
        QWidget* window;
        QString className;        // the window's class without namespace: "TForm1"
        std::optional<int> slot;  // for slot objects' windows
    };

    WindowRegistry();
    ~WindowRegistry() override;

    template <class W>
    void Object(ObjectKind kind) {
        objects_[kind] = Kind{[](AppContext& c, int slot) -> QWidget* { return new W(c, slot); },
                              &ShowWindow<W>, &ApplyTextsOf<W>};
    }
    template <class W>
    void Permanent(PermanentWindow id, const char* menuEntry) {
        permanents_[id] = Kind{[](AppContext& c, int) -> QWidget* { return new W(c); },
                               &ShowWindow<W>, &ApplyTextsOf<W>};
        if (menuEntry) menuWindows_[menuEntry] = id;
    }
    template <class W>
    void Instance(const char* menuEntry, bool inScreenshots) {
        instances_.push_back({menuEntry,
                              Kind{[](AppContext& c, int) -> QWidget* { return new W(c); },
                                   &ShowWindow<W>, &ApplyTextsOf<W>},
                              inScreenshots});
    }
    void Command(const char* menuEntry, Action action);
    void AtStart(Action action);
    // Something to do when the main window closes (it closes whatever the action does).
    void AtClose(Action action);
    // A check before the main window closes; false keeps it open.
    void BeforeClose(std::function<bool(AppContext&)> check);

    // Binds the registry to the program: object windows close with their slots.
    void Attach(AppContext& context, QWidget* mainWindow);
    void CreatePermanentWindows();
    // Destroys every window the registry holds, before the program's parts they use go.
    void DestroyWindows();
    void RunStartCommands();
    void RunCloseCommands();
    // Whether every check before closing lets the main window close.
    bool MayClose();
    // Every window the registry holds takes the texts of the interface language again.
    void ApplyTexts();

    // Menu entries.
    bool Handles(const QString& menuEntry) const;
    void Trigger(const QString& menuEntry);

    // Slot objects' windows.
    bool HasWindowFor(ObjectKind kind) const { return objects_.count(kind) > 0; }
    void Show(ObjectRef ref);
    void Toggle(ObjectRef ref);
    void Close(ObjectRef ref);
    void CloseObjectWindows();
    QWidget* Find(ObjectRef ref) const;
    QWidget* Window(PermanentWindow id) const;

    // Every window that exists, the main window first.
    std::vector<Entry> Windows() const;
    // Shows every window a user can open for the project: the permanent ones, the window of every
    // filled slot whose kind has one, and one of each instance window kept for screenshots.
    void OpenEveryWindow();

  private:
    struct Kind {
        Factory create;
        void (*show)(QWidget*);
        void (*applyTexts)(QWidget*);
    };
    struct InstanceKind {
        QString menuEntry;
        Kind kind;
        bool inScreenshots;
    };

    template <class W>
    static void ShowWindow(QWidget* window) {
        if constexpr (requires(W & w) { w.ShowFromMain(); }) {
            static_cast<W*>(window)->ShowFromMain();
        } else {
            window->show();
            window->raise();
        }
    }

    // A window's own function that sets its texts, those that depend on its state included.
    template <class W>
    static void ApplyTextsOf(QWidget* window) {
        if constexpr (requires(W & w) { w.ApplyTexts(); }) static_cast<W*>(window)->ApplyTexts();
    }

    QWidget* Create(ObjectRef ref);
    void OpenInstance(const InstanceKind& kind);
    static std::pair<int, int> Key(ObjectRef ref);

    AppContext* context_ = nullptr;
    QPointer<QWidget> main_;
    std::map<ObjectKind, Kind> objects_;
    std::map<PermanentWindow, Kind> permanents_;
    std::map<QString, PermanentWindow> menuWindows_;
    std::vector<InstanceKind> instances_;
    std::map<QString, Action> commands_;
    std::vector<Action> startCommands_;
    std::vector<Action> closeCommands_;
    std::vector<std::function<bool(AppContext&)>> closeChecks_;
    std::map<std::pair<int, int>, std::unique_ptr<QWidget>> objectWindows_;
    std::map<PermanentWindow, std::unique_ptr<QWidget>> permanentWindows_;
    std::vector<QPointer<QWidget>> instanceWindows_;
};

// Registers every window class of the program; window_registrations.cpp.
void RegisterWindows(WindowRegistry& registry);

}  // namespace vork
