#include <QPushButton>

#include "app/help/tabout_splash.h"
#include "app/help/web_links.h"
#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

class AboutBox : public AppTest {
  protected:
    explicit AboutBox(Language language = Language::Portuguese) : AppTest(language) {}
    std::vector<TAboutSplash*> AboutBoxes() {
        std::vector<TAboutSplash*> boxes;
        for (const WindowRegistry::Entry& entry : app->windows().Windows())
            if (auto* box = qobject_cast<TAboutSplash*>(entry.window)) boxes.push_back(box);
        return boxes;
    }
    static void Destroyed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(AboutBox, EachMenuClickOpensAWindowOfItsOwnClosedByItsOwnButton) {
    Menu("Sobre3");
    Menu("Sobre3");
    std::vector<TAboutSplash*> boxes = AboutBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (TAboutSplash* box : boxes) {
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->windowTitle(), "Sobre");
        EXPECT_EQ(box->size(), QSize(602, 452));
        EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(Find<QLabel>(*box, "Image1")->pixmap().isNull());
        EXPECT_EQ(Find<QPushButton>(*box, "BotaoFechar")->text(), "Fechar");
    }
    QTest::mouseClick(Find<QPushButton>(*boxes[1], "BotaoFechar"), Qt::LeftButton);
    Destroyed();
    ASSERT_EQ(AboutBoxes().size(), 1u);
    EXPECT_EQ(AboutBoxes()[0], boxes[0]);
    EXPECT_TRUE(boxes[0]->isVisible());
    QTest::mouseClick(Find<QPushButton>(*boxes[0], "BotaoFechar"), Qt::LeftButton);
    Destroyed();
    EXPECT_TRUE(AboutBoxes().empty());
}

TEST_F(AboutBox, TheStartUpWindowHidesItsButtonUntilItsTimerEndsIt) {
    QPointer<TAboutSplash> splash = new TAboutSplash(app->context());
    int ended = 0;
    QObject::connect(splash, &TAboutSplash::startUpEnded, [&] {
        ++ended;
        EXPECT_TRUE(Find<QPushButton>(*splash, "BotaoFechar")->isVisibleTo(splash));
    });
    splash->ShowAtStartUp();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(Find<QPushButton>(*splash, "BotaoFechar")->isVisibleTo(splash));
    splash->Timer1Timer();
    Destroyed();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(splash.isNull());
}

class EnglishAboutBox : public AboutBox {
  protected:
    EnglishAboutBox() : AboutBox(Language::English) {}
};

TEST_F(EnglishAboutBox, ClosesWithClose) {
    Menu("Sobre3");
    ASSERT_EQ(AboutBoxes().size(), 1u);
    EXPECT_EQ(Find<QPushButton>(*AboutBoxes()[0], "BotaoFechar")->text(), "Close");
}

class WebLinks : public AppTest {};

TEST_F(WebLinks, MenuLinksNeedTheInternetHelpButtonsDoNot) {
    platform.internet = false;
    Menu("VdeoAulas1");
    Menu("utorial1");
    EXPECT_EQ(platform.messages, QStringList({"É requerida conexão com internet",
                                              "É requerida conexão com internet"}));
    EXPECT_TRUE(platform.webAddresses.isEmpty());

    OpenWebPage(app->context(), web_page::kController);  // a controller's help button
    EXPECT_EQ(platform.webAddresses, QStringList({WebAddress("/?page_id=55#controlador_PID")}));

    platform.internet = true;
    platform.webAddresses.clear();
    Menu("VdeoAulas1");
    Menu("IntroduoControledeProcessos1");
    QTest::mouseClick(InMain<QLabel>("Label21"), Qt::LeftButton);
    EXPECT_EQ(platform.webAddresses,
              QStringList({QString(kWebSite) + "/?page_id=72", QString(kWebSite) + "/?page_id=392",
                           QString(kWebSite)}));
    EXPECT_EQ(platform.messages.size(), 2);
}

}  // namespace
}  // namespace vork::test
