#include "app/window_registry.h"

#include "app/app_context.h"
#include "project/project.h"

namespace vork {

namespace {

QString ClassName(const QWidget* window) {
    QString name = QString::fromLatin1(window->metaObject()->className());
    return name.mid(name.lastIndexOf(':') + 1);
}

bool Filled(const Project& project, ObjectRef ref) {
    const Simulation& sim = project.sim;
    switch (ref.kind) {
        case ObjectKind::Controller:
            return sim.controllers.Exists(ref.slot);
        case ObjectKind::Process:
            return sim.processes.Exists(ref.slot);
        case ObjectKind::Calc:
            return sim.calcs.Exists(ref.slot);
        case ObjectKind::Recorder:
            return sim.recorders.Exists(ref.slot);
        case ObjectKind::Text:
            return sim.texts.Exists(ref.slot);
        default:
            return false;
    }
}

}  // namespace

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() {
    DestroyWindows();
}

void WindowRegistry::DestroyWindows() {
    for (QPointer<QWidget>& window : instanceWindows_)
        delete window.data();
    instanceWindows_.clear();
    objectWindows_.clear();
    permanentWindows_.clear();
}

void WindowRegistry::Command(const char* menuEntry, Action action) {
    commands_[menuEntry] = std::move(action);
}

void WindowRegistry::AtStart(Action action) {
    startCommands_.push_back(std::move(action));
}

void WindowRegistry::AtClose(Action action) {
    closeCommands_.push_back(std::move(action));
}

void WindowRegistry::BeforeClose(std::function<bool(AppContext&)> check) {
    closeChecks_.push_back(std::move(check));
}

bool WindowRegistry::MayClose() {
    for (auto& check : closeChecks_)
        if (!check(*context_)) return false;
    return true;
}

void WindowRegistry::ApplyTexts() {
    for (auto& [id, window] : permanentWindows_)
        permanents_.at(id).applyTexts(window.get());
    for (auto& [key, window] : objectWindows_)
        objects_.at(static_cast<ObjectKind>(key.first)).applyTexts(window.get());
}

void WindowRegistry::RunCloseCommands() {
    for (Action& action : closeCommands_)
        action(*context_);
}

void WindowRegistry::Attach(AppContext& context, QWidget* mainWindow) {
    context_ = &context;
    main_ = mainWindow;
    connect(&context.document, &ProjectDocument::slotEmptied, this,
            [this](ObjectRef ref) { Close(ref); });
    connect(&context.document, &ProjectDocument::projectReplaced, this,
            [this] { CloseObjectWindows(); });
}

void WindowRegistry::CreatePermanentWindows() {
    for (auto& [id, kind] : permanents_)
        if (!permanentWindows_.count(id)) permanentWindows_[id].reset(kind.create(*context_, 0));
}

void WindowRegistry::RunStartCommands() {
    for (Action& action : startCommands_)
        action(*context_);
}

bool WindowRegistry::Handles(const QString& menuEntry) const {
    if (commands_.count(menuEntry) || menuWindows_.count(menuEntry)) return true;
    for (const InstanceKind& kind : instances_)
        if (kind.menuEntry == menuEntry) return true;
    return false;
}

void WindowRegistry::Trigger(const QString& menuEntry) {
    if (auto command = commands_.find(menuEntry); command != commands_.end()) {
        command->second(*context_);
        return;
    }
    if (auto id = menuWindows_.find(menuEntry); id != menuWindows_.end()) {
        if (QWidget* window = Window(id->second)) permanents_.at(id->second).show(window);
        return;
    }
    for (const InstanceKind& kind : instances_)
        if (kind.menuEntry == menuEntry) return OpenInstance(kind);
}

void WindowRegistry::OpenInstance(const InstanceKind& kind) {
    QWidget* window = kind.kind.create(*context_, 0);
    window->setAttribute(Qt::WA_DeleteOnClose);
    instanceWindows_.emplace_back(window);
    kind.kind.show(window);
}

std::pair<int, int> WindowRegistry::Key(ObjectRef ref) {
    return {static_cast<int>(ref.kind), ref.slot};
}

QWidget* WindowRegistry::Create(ObjectRef ref) {
    if (QWidget* window = Find(ref)) return window;
    auto kind = objects_.find(ref.kind);
    if (kind == objects_.end() || !Filled(context_->project(), ref)) return nullptr;
    auto& slot = objectWindows_[Key(ref)];
    slot.reset(kind->second.create(*context_, ref.slot));
    return slot.get();
}

void WindowRegistry::Show(ObjectRef ref) {
    if (QWidget* window = Create(ref)) objects_.at(ref.kind).show(window);
}

void WindowRegistry::Toggle(ObjectRef ref) {
    QWidget* window = Find(ref);
    if (window && window->isVisible())
        window->hide();
    else
        Show(ref);
}

void WindowRegistry::Close(ObjectRef ref) {
    auto window = objectWindows_.find(Key(ref));
    if (window == objectWindows_.end()) return;
    std::unique_ptr<QWidget> closing = std::move(window->second);
    objectWindows_.erase(window);
    closing->close();
}

void WindowRegistry::CloseObjectWindows() {
    auto windows = std::move(objectWindows_);
    objectWindows_.clear();
    for (auto& [key, window] : windows)
        window->close();
}

QWidget* WindowRegistry::Find(ObjectRef ref) const {
    auto window = objectWindows_.find(Key(ref));
    return window == objectWindows_.end() ? nullptr : window->second.get();
}

QWidget* WindowRegistry::Window(PermanentWindow id) const {
    auto window = permanentWindows_.find(id);
    return window == permanentWindows_.end() ? nullptr : window->second.get();
}

std::vector<WindowRegistry::Entry> WindowRegistry::Windows() const {
    std::vector<Entry> all;
    if (main_) all.push_back({main_, ClassName(main_), std::nullopt});
    for (const auto& [id, window] : permanentWindows_)
        all.push_back({window.get(), ClassName(window.get()), std::nullopt});
    for (const auto& [key, window] : objectWindows_)
        all.push_back({window.get(), ClassName(window.get()), key.second});
    for (const QPointer<QWidget>& window : instanceWindows_)
        if (window) all.push_back({window, ClassName(window), std::nullopt});
    return all;
}

void WindowRegistry::OpenEveryWindow() {
    for (auto& [id, window] : permanentWindows_)
        permanents_.at(id).show(window.get());
    for (const auto& [kind, entry] : objects_)
        for (int slot = 1; InSlots(kind) && slot <= SlotCount(SlotKindOf(kind)); ++slot)
            Show({kind, slot});
    for (const InstanceKind& kind : instances_)
        if (kind.inScreenshots) OpenInstance(kind);
}

}  // namespace vork
