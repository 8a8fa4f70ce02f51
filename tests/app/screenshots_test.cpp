#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "app/screenshots.h"
#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

const QString kExample = VORK_SOURCE_DIR "/examples/basic flow loop/basic flow loop.smp";

QJsonObject Named(const QJsonArray& list, const QString& name) {
    for (const QJsonValue& entry : list)
        if (entry["objectName"].toString() == name) return entry.toObject();
    ADD_FAILURE() << "nothing named " << name.toStdString();
    return {};
}

TEST(Screenshots, EveryWindowAsAPictureAndTheWidgetsAsJson) {
    QTemporaryDir out;
    ASSERT_EQ(RunScreenshots(out.path(), kExample, 12), 0);
    QDir dir(out.path());
    for (const char* picture : {"TForm1.png", "TConfigForm.png"}) {
        QImage image(dir.filePath(picture));
        EXPECT_FALSE(image.isNull()) << picture;
        EXPECT_GE(image.width(), 600) << picture;
    }
    QFile file(dir.filePath("widgets.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject inventory = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(inventory["language"].toString(), "pt");
    QJsonArray windows = inventory["windows"].toArray();
    ASSERT_GE(windows.size(), 2);  // the main window and the configuration window first

    QJsonObject main = windows[0].toObject();
    EXPECT_EQ(main["class"].toString(), "TForm1");
    EXPECT_TRUE(main["slot"].isNull());
    EXPECT_TRUE(main["visible"].toBool());
    EXPECT_EQ(main["geometry"].toArray().size(), 4);
    QJsonObject marker = Named(main["widgets"].toArray(), "Control1");
    EXPECT_EQ(marker["class"].toString(), "QPushButton");
    EXPECT_EQ(marker["text"].toString(), "FIC-101");
    EXPECT_TRUE(marker["visible"].toBool());
    EXPECT_EQ(marker["toolTip"].toString(), "Saída em M01");
    EXPECT_FALSE(marker.contains("items"));
    QJsonObject hidden = Named(main["widgets"].toArray(), "Control2");
    EXPECT_FALSE(hidden["visible"].toBool());
    QJsonObject pause = Named(main["actions"].toArray(), "PausarSimulao2");
    EXPECT_EQ(pause["text"].toString(), "Pausar Simulação");
    EXPECT_FALSE(pause["checked"].toBool());

    QJsonObject config = windows[1].toObject();
    EXPECT_EQ(config["title"].toString(), "Configuração Geral");
    QJsonObject pages = Named(config["widgets"].toArray(), "NoteBook1");
    EXPECT_EQ(pages["items"].toArray().size(), 7);
    QJsonObject box = Named(config["widgets"].toArray(), "CheckBox1");
    EXPECT_TRUE(box["checked"].toBool());
    EXPECT_EQ(box["text"].toString(), "FIC-101 Controle de vazão");
    QJsonObject cycle = Named(config["widgets"].toArray(), "Label2");
    EXPECT_EQ(cycle["text"].toString(), "100ms");
}

TEST(Screenshots, AFileThatDoesNotLoadEndsWithOne) {
    QTemporaryDir out;
    EXPECT_EQ(RunScreenshots(out.path(), out.filePath("missing.smp"), 1), 1);
    EXPECT_FALSE(QFile::exists(QDir(out.path()).filePath("TForm1.png")));
}

}  // namespace
}  // namespace vork::test
