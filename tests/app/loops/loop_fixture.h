#pragma once

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/loops/tcontrolador.h"
#include "app/loops/tregistrform.h"
#include "app/support/app_fixture.h"

namespace vork::test {

// Controller 1 measuring M21 (0 to 500 m3/h), and recorder 1, each opened from its marker.
class LoopWindows : public AppTest {
  protected:
    explicit LoopWindows(Language language = Language::Portuguese) : AppTest(language) {}

    TControlador& Controller() {
        Simulation& sim = project().sim;
        if (!sim.controllers.Exists(1)) {
            sim.vars.SetAttribute(21, AttributeField::UeMax, "500");
            sim.vars.SetAttribute(21, AttributeField::Unit, "m3/h");
            project().Fill({ObjectKind::Controller, 1});
            project().Edit<vork::Controller>(
                {ObjectKind::Controller, 1},
                [&](vork::Controller& c) {
                    c.fields.TagText = "FIC-1";
                    c.fields.VariavelSelect = 20;
                    c.Validate(sim);
                },
                Modifies::No);
            sim.vars.Write(21, 40.0);
        }
        return Opened<TControlador>({ObjectKind::Controller, 1});
    }

    TRegistrForm& Recorder() {
        if (!project().sim.recorders.Exists(1)) project().Fill({ObjectKind::Recorder, 1});
        return Opened<TRegistrForm>({ObjectKind::Recorder, 1});
    }

    template <class W>
    W& Opened(ObjectRef ref) {
        if (!app->windows().Find(ref) || !app->windows().Find(ref)->isVisible())
            app->windows().Show(ref);
        return *static_cast<W*>(app->windows().Find(ref));
    }

    // Replaces the text of a line edit as a user does: select all, type, press `key`.
    static void Type(QLineEdit* field, const QString& text, Qt::Key key = Qt::Key_Return) {
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, key);
    }
    static void Press(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        button->click();
    }
    static QString FileText(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromLatin1(file.readAll());
    }

    QTemporaryDir folder;
};

}  // namespace vork::test
