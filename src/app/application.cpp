#include "app/application.h"

#include <QDir>
#include <filesystem>

#include "app/workspace/tform1.h"

namespace vork {

Application::Application(Platform& platform, const StartOptions& options) {
    Project& project = document_.project();
    project.SetLanguage(options.language);
    project.sim.random.Seed(options.seed);
    if (options.clock) document_.SetClock(options.clock);
    RegisterWindows(registry_);
    model_ = std::make_unique<MainWindow>(project);
    desk_ = std::make_unique<PlatformDesk>(platform);
    QString start = options.startFolder.isEmpty() ? QDir::currentPath() : options.startFolder;
    lifeCycle_ = std::make_unique<ProjectLifeCycle>(project, *model_, *desk_,
                                                    std::filesystem::path(start.toStdString()));
    lifeCycle_->SetInstalledData(options.installedData.toStdString());
    context_ = std::make_unique<AppContext>(AppContext{document_, platform, registry_, *model_});
    context_->lifeCycle = lifeCycle_.get();
    main_ = std::make_unique<TForm1>(*context_);
    context_->mainWindow = main_.get();
    registry_.Attach(*context_, main_.get());
    registry_.CreatePermanentWindows();
    document_.SetRealTime(options.realTime);
}

Application::~Application() {
    registry_.DestroyWindows();
    main_.reset();
}

bool Application::Open(const QString& path) {
    bool opened = lifeCycle_->OpenFile(std::filesystem::path(path.toStdString()));
    main_->SyncMenus();
    return opened;
}

}  // namespace vork
