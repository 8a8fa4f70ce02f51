#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/engine/tparmform.h"
#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

// The signal generator's window, opened from its menu entry.
class GeneratorForm : public AppTest {
  protected:
    void SetUp() override {
        Menu("Configurao1");
        window = static_cast<TParmForm*>(app->windows().Window(PermanentWindow::Generator));
        ASSERT_TRUE(window && window->isVisible());
    }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*window, name);
    }
    bool Shown(const QString& name) { return In(name)->isVisibleTo(window); }
    void ChooseType(const QString& selector, int type) {
        auto* box = In<QComboBox>(selector);
        box->setCurrentIndex(type);
        Q_EMIT box->activated(type);
    }
    void ClickArrow(const QString& arrows, int which) {  // 0 up, 1 down
        QList<QToolButton*> buttons = In(arrows)->findChildren<QToolButton*>();
        QTest::mouseClick(buttons.at(which), Qt::LeftButton);
    }

    TParmForm* window = nullptr;
};

TEST_F(GeneratorForm, EachTypeArrangesItsRowAndPutsItsGuidingTexts) {
    EXPECT_TRUE(Shown("M81UpDown"));
    EXPECT_FALSE(Shown("M81ValorDig"));
    EXPECT_FALSE(Shown("M81Min"));

    ChooseType("M82Tipo", 1);
    EXPECT_TRUE(Shown("M82ValorDig"));
    EXPECT_FALSE(Shown("M82Valor"));
    EXPECT_FALSE(Shown("M82UpDown"));

    ChooseType("M83Tipo", 3);
    EXPECT_EQ(In<QLineEdit>("M83Desc")->text(), "Tal(seg)");
    EXPECT_EQ(In<QLineEdit>("M83Min")->text(), "Min.");
    EXPECT_EQ(In<QLineEdit>("M83Max")->text(), "Máx.");
    EXPECT_TRUE(In<QLineEdit>("M83Valor")->isReadOnly());
    EXPECT_EQ(project().sim.vars.Description(83), "Aleatório Médio");

    ChooseType("M84Tipo", 7);
    EXPECT_EQ(In<QLineEdit>("M84Valor")->text(), "Equação");
    EXPECT_FALSE(Shown("M84Min"));
    window->layout()->activate();
    EXPECT_GT(In("M84Valor")->width(), In("M81Valor")->width() * 2);

    EXPECT_EQ(In<QComboBox>("M86Tipo")->count(), 7);
    EXPECT_EQ(In<QComboBox>("M91Tipo")->count(), 2);
    EXPECT_EQ(window->findChild<QLineEdit*>("M91Min"), nullptr);
}

TEST_F(GeneratorForm, ArrowsApplyAtOnceAndAKeyPressWaitsForAtualiza) {
    auto* value = In<QLineEdit>("M81Valor");
    value->selectAll();
    QTest::keyClicks(value, "41");
    EXPECT_TRUE(In<QPushButton>("Button1")->isEnabled());
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_FALSE(In<QPushButton>("Button1")->isEnabled());
    ClickArrow("M81UpDown", 0);
    EXPECT_EQ(value->text(), "42");
    Tick();
    EXPECT_EQ(project().sim.vars.Read(81), 42.0);
    EXPECT_TRUE(project().saved());

    ChooseType("M82Tipo", 1);
    QTest::mouseClick(In("M82ValorDig")->findChildren<QRadioButton*>().at(1), Qt::LeftButton,
                      Qt::NoModifier, QPoint(6, 6));
    EXPECT_EQ(project().sim.vars.Read(82), 1.0);

    window->close();
    EXPECT_FALSE(project().saved());
}

TEST_F(GeneratorForm, ARandomChannelShowsItsOutputLive) {
    ChooseType("M81Tipo", 2);
    for (auto [field, text] : {std::pair{"M81Min", "40"}, std::pair{"M81Max", "60"}}) {
        In<QLineEdit>(field)->setText(text);
        Q_EMIT In<QLineEdit>(field)->textEdited(text);
    }
    QTest::mouseClick(In<QPushButton>("Button1"), Qt::LeftButton);
    Tick();
    double shown = In<QLineEdit>("M81Valor")->text().toDouble();
    EXPECT_GE(shown, 40.0);
    EXPECT_LT(shown, 60.0);
    EXPECT_EQ(In<QLineEdit>("M81Valor")->text().toStdString(),
              project().Object<SignalGenerator>({ObjectKind::Generator}).ValorText(1));
}

// The interface language is chosen at start-up: the window is built in it.
class EnglishGeneratorForm : public AppTest {
  protected:
    EnglishGeneratorForm() : AppTest(Language::English) {}
};

TEST_F(EnglishGeneratorForm, TypeEntriesAndButtonsInEnglish) {
    Menu("Configurao1");
    QWidget& window = *app->windows().Window(PermanentWindow::Generator);
    EXPECT_EQ(Find<QComboBox>(window, "M81Tipo")->itemText(5), "Sinusoidal signal");
    EXPECT_EQ(Find<QPushButton>(window, "Button1")->text(), "Refresh");
    EXPECT_EQ(Find<QPushButton>(window, "SairButton")->text(), "Exit");
    QTest::mouseClick(Find<QToolButton>(window, "SpeedButton1"), Qt::LeftButton);
    ASSERT_EQ(platform.webAddresses.size(), 1);
    EXPECT_TRUE(platform.webAddresses[0].endsWith("/?page_id=70/#gerador_sinais"));
}

}  // namespace
}  // namespace vork::test
