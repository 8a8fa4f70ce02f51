#include <QPixmap>
#include <QTemporaryDir>

#include "app/support/app_fixture.h"
#include "windows/example_gallery.h"

namespace vork::test {
namespace {

// The gallery reads the examples of this source tree.
class Gallery : public AppTest {
  protected:
    explicit Gallery(Language language = Language::Portuguese)
        : AppTest(language, VORK_SOURCE_DIR) {
        main().ShowGallery(true);
    }
    ExampleGalleryView& gallery() { return main().gallery(); }
    void ClickPicture(const char* picture) {
        QTest::mouseClick(Find<QLabel>(gallery(), picture), Qt::LeftButton);
    }
    bool Visible(const char* entry) { return main().Entry(entry)->isVisible(); }
};

class EnglishGallery : public Gallery {
  protected:
    EnglishGallery() : Gallery(Language::English) {}
};

TEST_F(Gallery, ShowsEveryExampleWithItsPictureAndOnlyTheFileAndHelpMenus) {
    EXPECT_TRUE(gallery().isVisibleTo(&main()));
    EXPECT_FALSE(main().synoptic().isVisibleTo(&main()));
    ASSERT_EQ(gallery().count(), 6);
    EXPECT_EQ(gallery().tabText(1), "Nível (integrador)");
    for (const GalleryPage& page : kGalleryPages)
        for (const std::optional<GalleryExample>& example : page.examples) {
            if (!example) continue;
            QString name = QString::fromUtf8(example->picture.data(), example->picture.size());
            auto* picture = Find<QLabel>(gallery(), name);
            ASSERT_TRUE(picture);
            EXPECT_FALSE(picture->pixmap().isNull()) << name.toStdString();
            EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
        }
    EXPECT_EQ(Find<QLabel>(gallery(), "sim2title")->text(), "Condutividade Linearizado");
    EXPECT_EQ(Find<QLabel>(gallery(), "sim18")->toolTip(),
              "Resposta de malha de controle de vazão a variação em SP e variação de carga.");
    EXPECT_TRUE(Visible("Arquivo1"));
    EXPECT_TRUE(Visible("Sobre1"));
    for (const char* hidden : {"Salvar1", "SalvarComo1", "Exemplos1", "Configurao2", "Configurao1",
                               "Dese1", "Variveis1", "RegistradorXY1", "Opes1"})
        EXPECT_FALSE(Visible(hidden)) << hidden;
}

TEST_F(EnglishGallery, PagesTitlesAndDescriptionsInEnglish) {
    QStringList captions;
    for (int i = 0; i < gallery().count(); ++i)
        captions << gallery().tabText(i);
    EXPECT_EQ(captions, QStringList({"Flow/Pressure", "Level Control", "Temperature", "Multiloop",
                                     "Combustion", "Others"}));
    EXPECT_EQ(Find<QLabel>(gallery(), "sim13title")->text(), "Furnace Temperature(Master-Slave)");
    EXPECT_EQ(Find<QLabel>(gallery(), "Memo18")->text(),
              "Feedback control\n\nLoad and SP-Change response");
    EXPECT_EQ(Find<QLabel>(gallery(), "Memo2")->text(),
              "Non-Linear pH Control for leaching. Application of characterizer");
}

TEST_F(Gallery, APictureOpensItsExampleWhichIsSavedOnlyUnderAnotherName) {
    ClickPicture("sim18");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    EXPECT_EQ(project().fileName().filename(), "basic flow loop.smp");
    EXPECT_TRUE(project().saved());
    EXPECT_FALSE(gallery().isVisibleTo(&main()));
    EXPECT_TRUE(main().synoptic().isVisibleTo(&main()));
    EXPECT_FALSE(Visible("Salvar1"));
    EXPECT_TRUE(Visible("SalvarComo1"));
    EXPECT_TRUE(Visible("Configurao2"));
    EXPECT_TRUE(platform.questions.isEmpty());
}

TEST_F(Gallery, UnsavedChangesAreOfferedForSavingFirst) {
    QTemporaryDir folder;
    project().Edit<Workspace>(
        {ObjectKind::Workspace}, [](Workspace& ws) { ws.Titulo = "mine"; }, Modifies::Yes);
    ASSERT_FALSE(project().saved());
    QString chosen = QDir(folder.path()).filePath("teste");
    platform.answers = {true};
    platform.choices = {chosen};
    ClickPicture("sim1");
    EXPECT_EQ(platform.questions, QStringList({"Salvar Alterações em Arquivo?"}));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Salvar Como");
    EXPECT_TRUE(QFile::exists(chosen));  // written under the name typed, without ".smp"
    EXPECT_EQ(project().fileName().filename(), "boiler.smp");
}

}  // namespace
}  // namespace vork::test
