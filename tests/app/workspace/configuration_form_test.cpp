#include <QDir>
#include <QFocusEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

// The configuration window's own fields: picture, characterizer panel.
class ConfigurationForm : public AppTest {
  protected:
    void SetUp() override { config().ShowFromMain(); }
};

TEST_F(ConfigurationForm, APictureChosenIsShownFromTheWorkingFolder) {
    QTemporaryDir folder;
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(QDir(folder.path()).filePath("planta.png")));
    QString working = QDir::currentPath();
    QDir::setCurrent(folder.path());
    platform.choices.push_back("/elsewhere/planta.png");

    QTest::mouseClick(InConfig<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QDir::setCurrent(working);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].filter,
              "Arquivos Bit-Map (*.bmp);|*.bmp|Todos os Arquivos (*.*)|*.*");
    EXPECT_EQ(InConfig<QLineEdit>("Edit1")->text(), "planta.png");
    QWidget* image = InMain("Image1");
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->isVisibleTo(&main()));
    EXPECT_FALSE(image->isEnabled());
    EXPECT_EQ(image->geometry(), QRect(0, 0, 320, 200));

    QTest::mouseClick(InConfig<QToolButton>("SpeedButton1"), Qt::LeftButton);  // cancelled
    EXPECT_EQ(InConfig<QLineEdit>("Edit1")->text(), "planta.png");
}

TEST_F(ConfigurationForm, CharacterizerPanelWritesItsFieldsAndRefillsItsList) {
    project().sim.vars.SetDescription(15, "Vazão medida");
    auto* input = InConfig<QComboBox>("Lin1EndEnt");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->currentText(), "01 MV");
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(input, &focus);
    ASSERT_EQ(input->count(), 99);
    EXPECT_EQ(input->itemText(14).toStdString(), project().sim.vars.ShortPickList()[14]);
    EXPECT_EQ(input->currentText(), "01 MV");
    input->setCurrentIndex(14);
    EXPECT_EQ(project().sim.characterizer().fields.Lin1EndEnt.substr(0, 2), "15");

    auto* mv3 = InConfig<QLineEdit>("Lin1MV3");
    mv3->selectAll();
    QTest::keyClicks(mv3, "45");
    EXPECT_EQ(project().sim.characterizer().fields.Lin1MV[2], "45");
    Click(InConfig<QCheckBox>("Lin1Ativar"));
    EXPECT_TRUE(project().sim.characterizer().fields.Lin1Ativar);
    EXPECT_TRUE(project().saved());
}

}  // namespace
}  // namespace vork::test
