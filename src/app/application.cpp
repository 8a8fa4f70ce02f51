#include "app/application.h"

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
    context_ = std::make_unique<AppContext>(AppContext{document_, platform, registry_, *model_});
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
    FileResult result = project().Load(std::filesystem::path(path.toStdString()));
    for (const std::string& message : result.messages)
        context_->platform.Message(QString::fromStdString(message));
    if (!result.ok()) context_->platform.Message(QString::fromStdString(result.error));
    return result.ok();
}

}  // namespace vork
