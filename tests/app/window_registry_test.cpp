#include <QPointer>
#include <QPushButton>

#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

constexpr ObjectRef kController2{ObjectKind::Controller, 2};
constexpr ObjectRef kRecorder1{ObjectKind::Recorder, 1};

// A slot window as the loop windows will be: built with the context and its slot.
class SlotWindow : public QWidget {
    Q_OBJECT

  public:
    SlotWindow(AppContext&, int slot) { setObjectName(QString("SlotWindow%1").arg(slot)); }
};

// A window that is shown its own way.
class PickyWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PickyWindow(AppContext&) {}
    void ShowFromMain() {
        ++shownFromMain;
        show();
    }
    int shownFromMain = 0;
};

class Registry : public AppTest {
  protected:
    void SetUp() override {
        app->windows().Object<SlotWindow>(ObjectKind::Controller);
        app->windows().Object<SlotWindow>(ObjectKind::Recorder);
        for (ObjectRef ref : {kController2, kRecorder1})
            config().model().CheckBoxClick(ref, true);
        project().WorkspaceRefresh();
    }
    void ClickMarker(const QString& name) {
        QTest::mouseClick(InMain<QPushButton>(name), Qt::LeftButton);
    }
};

TEST_F(Registry, MarkersOpenTheirWindowsAndDeletingClosesThem) {
    ClickMarker("Control2");
    QPointer<QWidget> window = app->windows().Find(kController2);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), "SlotWindow2");
    ClickMarker("Control2");
    EXPECT_EQ(app->windows().Find(kController2), window.data());  // shown again, not a new one

    ClickMarker("Reg1");
    QWidget* recorder = app->windows().Find(kRecorder1);
    ASSERT_TRUE(recorder);
    EXPECT_TRUE(recorder->isVisible());
    ClickMarker("Reg1");
    EXPECT_FALSE(recorder->isVisible());

    Menu("ExcluirObjetos");
    ClickMarker("Control2");
    EXPECT_FALSE(window);  // destroyed with its slot
    EXPECT_EQ(app->windows().Find(kController2), nullptr);

    project().NewProject();
    EXPECT_EQ(app->windows().Find(kRecorder1), nullptr);
}

TEST_F(Registry, EveryWindowIsListedForTheScreenshots) {
    ClickMarker("Control2");
    std::vector<WindowRegistry::Entry> windows = app->windows().Windows();
    ASSERT_GE(windows.size(), 4u);  // the main window, the permanent ones, the opened one
    EXPECT_EQ(windows[0].className, "TForm1");
    EXPECT_EQ(windows[1].className, "TDialogos");
    EXPECT_EQ(windows[2].className, "TConfigForm");
    EXPECT_EQ(windows.back().className, "SlotWindow");
    EXPECT_EQ(windows.back().slot, 2);
    app->windows().OpenEveryWindow();
    EXPECT_TRUE(app->windows().Find(kRecorder1));
    EXPECT_TRUE(config().isVisible());
}

TEST_F(Registry, MenuEntriesRunWhatIsRegisteredAndNothingElse) {
    int runs = 0;
    app->windows().Command("Novo1", [&runs](AppContext& context) {
        ++runs;
        context.project().NewProject();
    });
    EXPECT_TRUE(app->windows().Handles("Novo1"));
    main().SyncMenus();
    EXPECT_FALSE(app->windows().Handles("Inexistente1"));
    Menu("Novo1");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(main().windowTitle(), "VORK v 7.84");
    EXPECT_TRUE(main().Entry("Configurao2")->isVisible());
    app->windows().Trigger("Inexistente1");  // nothing registered: nothing happens
    EXPECT_TRUE(main().Entry("Configurao2")->isEnabled());

    size_t before = app->windows().Windows().size();
    app->windows().Instance<PickyWindow>("Picky1", true);
    app->windows().Trigger("Picky1");
    app->windows().Trigger("Picky1");
    std::vector<WindowRegistry::Entry> windows = app->windows().Windows();
    ASSERT_EQ(windows.size(), before + 2);
    EXPECT_EQ(windows.back().className, "PickyWindow");
    EXPECT_EQ(static_cast<PickyWindow*>(windows.back().window)->shownFromMain, 1);
}

TEST_F(Registry, TheHelpLineRunsTheWebSiteEntry) {
    int runs = 0;
    app->windows().Command("utorial1", [&runs](AppContext&) { ++runs; });
    auto* help = InMain<QLabel>("Label21");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->text(), "Clique aqui para informações adicionais");
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace vork::test

#include "window_registry_test.moc"
