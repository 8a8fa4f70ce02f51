#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "app/engine/tform2.h"
#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

constexpr ObjectRef kText1{ObjectKind::Text, 1};

// An animated text's window, opened as its marker opens it.
class AnimatedTextForm : public AppTest {
  protected:
    void SetUp() override {
        project().Fill(kText1);
        project().MarkSaved();
        app->windows().Show(kText1);
        window = static_cast<TForm2*>(app->windows().Find(kText1));
        ASSERT_TRUE(window);
    }
    template <class T = QWidget>
    T* In(const QString& name) {
        return Find<T>(*window, name);
    }
    bool Shown(const QString& name) { return In(name)->isVisibleTo(window); }
    void ClickType(int position) {
        QTest::mouseClick(In("Tipo")->findChildren<QRadioButton*>().at(position), Qt::LeftButton,
                          Qt::NoModifier, QPoint(6, 6));
    }
    QColor Colour(QLabel* label) { return label->palette().color(QPalette::WindowText); }

    TForm2* window = nullptr;
};

TEST_F(AnimatedTextForm, ATextInAlarmTurnsTextoRedAtTheNextDisplayRefresh) {
    VariableTable& vars = project().sim.vars;
    vars.SetAttribute(21, AttributeField::UeMax, "200");
    vars.SetAttribute(21, AttributeField::Unit, "m3/h");
    vars.SetAttribute(21, AttributeField::Lse, "80");
    vars.Write(21, 50.0);
    auto* variable = In<QComboBox>("ComboBox1");
    variable->setCurrentIndex(20);
    Q_EMIT variable->activated(20);
    EXPECT_EQ(In<QLineEdit>("Edit1")->text(), "200");
    EXPECT_EQ(In<QLineEdit>("Unidade")->text(), "m3/h");
    EXPECT_TRUE(In<QLineEdit>("Edit1")->isReadOnly());
    EXPECT_FALSE(project().saved());
    QTest::keyClicks(In<QLineEdit>("DescricaoText"), "Vazao");
    QTest::mouseClick(In<QPushButton>("SairButton"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    app->windows().Show(kText1);
    EXPECT_EQ(In<QLabel>("Label4")->text(), "Vazao");
    Tick(6);
    auto* texto = InMain<QLabel>("Texto1");
    EXPECT_EQ(texto->text(), "100.00 m3/h");
    EXPECT_EQ(Colour(texto), QColor(Qt::red));
    EXPECT_EQ(In<QLabel>("Label1")->text(), "100.00 m3/h");
    EXPECT_EQ(Colour(In<QLabel>("Label1")), QColor(Qt::red));

    vars.Write(21, 30.0);
    Tick(6);
    EXPECT_EQ(Colour(texto), QColor(Qt::blue));
}

TEST_F(AnimatedTextForm, EachTypeShowsItsFieldsAndSpanEditsCarryToTheAlarms) {
    EXPECT_EQ(In<QLabel>("Label3")->text(), "Variável");
    EXPECT_FALSE(Shown("FuncaoTr"));
    ClickType(1);
    EXPECT_EQ(In<QLabel>("Label3")->text(), "<Texto>");
    EXPECT_TRUE(Shown("FuncaoTr"));
    EXPECT_TRUE(Shown("ComboBox1"));
    EXPECT_FALSE(Shown("Edit1"));

    ClickType(2);
    EXPECT_FALSE(Shown("ComboBox1"));
    EXPECT_FALSE(Shown("Edit2"));
    ASSERT_TRUE(Shown("Edit1"));
    EXPECT_FALSE(In<QLineEdit>("Edit1")->isReadOnly());
    In<QLineEdit>("Edit1")->selectAll();
    QTest::keyClicks(In<QLineEdit>("Edit1"), "250");
    EXPECT_EQ(project().Object<AnimatedText>(kText1).fields.Edit2, "250");
}

TEST_F(AnimatedTextForm, DeletingTheSlotTakesTheOpenWindowWithIt) {
    QPointer<TForm2> open = window;
    project().Empty(kText1);
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(app->windows().Find(kText1), nullptr);
    Tick(6);
}

TEST_F(AnimatedTextForm, EnglishOnActivation) {
    project().sim.language = Language::English;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
    EXPECT_EQ(window->windowTitle(), "Animated text");
    EXPECT_EQ(In<QLabel>("Label7")->text(), "Max Span:");
    EXPECT_EQ(In("Tipo")->findChildren<QRadioButton*>().at(1)->text(), "Binary");
    EXPECT_EQ(In<QLabel>("Label3")->text(), "Equation");
}

}  // namespace
}  // namespace vork::test
