#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "app/application.h"
#include "app/support/find_widget.h"
#include "app/support/scripted_platform.h"
#include "app/window_registry.h"
#include "app/workspace/tconfigform.h"
#include "app/workspace/tform1.h"

namespace vork::test {

// A fresh program for each test: the scripted desktop, no real-time timer (ticks come from
// Tick, 100 ms apart on the document's clock), a fixed random seed.
class AppTest : public ::testing::Test {
  protected:
    explicit AppTest(Language language = Language::Portuguese, QString startFolder = {}) {
        StartOptions options;
        options.language = language;
        options.startFolder = startFolder;
        options.realTime = false;
        options.clock = [this] { return now; };
        app = std::make_unique<Application>(platform, options);
    }

    Project& project() { return app->project(); }
    TForm1& main() { return app->mainWindow(); }
    TConfigForm& config() {
        return *static_cast<TConfigForm*>(app->windows().Window(PermanentWindow::Configuration));
    }
    template <class T = QWidget>
    T* InMain(const QString& name) {
        return Find<T>(main(), name);
    }
    template <class T = QWidget>
    T* InConfig(const QString& name) {
        return Find<T>(config(), name);
    }
    // Runs n scan ticks, 100 ms apart.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            now += 100;
            app->document().Tick();
        }
    }
    // A click on a check box's square (a click beside its caption misses it).
    static void Click(QCheckBox* box) {
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    }
    // The mouse moved to `at` on `widget`, no button down.
    static void MoveMouse(QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    // A click on a menu entry of the main window.
    void Menu(const QString& name) {
        QAction* entry = main().Entry(name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        entry->trigger();
    }

    ScriptedPlatform platform;
    double now = 36'000'000;  // 10:00
    std::unique_ptr<Application> app;
};

}  // namespace vork::test
