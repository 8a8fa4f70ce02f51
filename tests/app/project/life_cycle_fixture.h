#pragma once

#include <QTemporaryDir>

#include "app/support/app_fixture.h"

namespace vork::test {

// A program started in a fresh folder of its own, so that its files (saved projects, the
// preferences file) stay there.
class LifeCycleTest : public AppTest {
  protected:
    explicit LifeCycleTest(Language language = Language::Portuguese,
                           QString startFolder = QString()) {
        StartOptions options;
        options.language = language;
        options.realTime = false;
        options.clock = [this] { return now; };
        options.startFolder = startFolder.isEmpty() ? start.path() : startFolder;
        app.reset();
        app = std::make_unique<Application>(platform, options);
    }

    QString File(const QString& name) const { return start.filePath(name); }
    bool Exists(const QString& name) const { return QFileInfo::exists(File(name)); }
    QByteArray Read(const QString& name) const {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A change the project counts as unsaved: a controller's slot filled.
    void Modify() {
        project().Fill({ObjectKind::Controller, 1});
        project().MarkModified();
    }
    QString SavedCaption() { return main().Entry("Salvar1")->text(); }

    QTemporaryDir start;
};

}  // namespace vork::test
