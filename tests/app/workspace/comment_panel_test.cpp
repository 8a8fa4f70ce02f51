#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include "app/support/app_fixture.h"

namespace vork::test {
namespace {

// The comment panel `RichEdit1`: the project's comment lines, formatted when they hold RTF, and
// "descricao.rtf" read on a double click.
class CommentPanel : public AppTest {
  protected:
    QTextEdit& panel() { return main().commentPanel(); }
    void SetComments(std::vector<std::string> lines) {
        project().Edit<Workspace>(
            {ObjectKind::Workspace},
            [&](Workspace& ws) { ws.Comments(Language::Portuguese) = std::move(lines); },
            Modifies::No);
    }
    // The formats of the panel's fragments, in order, with their text.
    std::vector<std::pair<QString, QTextCharFormat>> Fragments() {
        std::vector<std::pair<QString, QTextCharFormat>> fragments;
        for (QTextBlock block = panel().document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                fragments.emplace_back(it.fragment().text(), it.fragment().charFormat());
        return fragments;
    }
};

constexpr const char* kColouredRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red192\\green0\\blue0;}"
    "\\f0\\fs20 \\cf1\\b Vaz\\'e3o\\b0\\cf0  da bomba\\par\\qc\\i centro\\par}";

TEST_F(CommentPanel, RtfCommentLinesShowWithTheirColourWeightAndAccents) {
    SetComments({kColouredRtf});
    Menu("Comentrios1");
    EXPECT_TRUE(panel().isVisibleTo(&main()));
    EXPECT_EQ(panel().toPlainText(), "Vazão da bomba\ncentro");
    auto fragments = Fragments();
    ASSERT_EQ(fragments.size(), 3u);
    EXPECT_EQ(fragments[0].first, "Vazão");
    EXPECT_EQ(fragments[0].second.fontWeight(), QFont::Bold);
    EXPECT_EQ(fragments[0].second.foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(fragments[0].second.fontPointSize(), 10.0);
    EXPECT_EQ(fragments[1].second.fontWeight(), QFont::Normal);
    EXPECT_TRUE(fragments[2].second.fontItalic());
    EXPECT_EQ(panel().document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(project().workspace.Comments(Language::Portuguese)[0], kColouredRtf);
}

TEST_F(CommentPanel, PlainLinesShowAsTheyAreAndTypingStoresThemUnmodified) {
    SetComments({"Malha de vazão", "", "O que fazer: {degraus}"});
    Menu("Comentrios1");
    EXPECT_EQ(panel().toPlainText(), "Malha de vazão\n\nO que fazer: {degraus}");
    for (const auto& [text, format] : Fragments())  // in the panel's own size
        EXPECT_FALSE(format.hasProperty(QTextFormat::FontPointSize)) << text.toStdString();
    EXPECT_EQ(panel().textCursor().position(), 0);
    QTextCursor end(panel().document());
    end.movePosition(QTextCursor::End);
    end.insertText(" de 10 %");
    EXPECT_EQ(project().workspace.Comments(Language::Portuguese),
              (std::vector<std::string>{"Malha de vazão", "", "O que fazer: {degraus} de 10 %"}));
    EXPECT_TRUE(project().saved());
}

TEST_F(CommentPanel, ADoubleClickReadsTheCommentFileOfTheWorkingFolder) {
    QTemporaryDir folder;
    QString working = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QWidget& synoptic = main().synoptic();
    QTest::mouseDClick(&synoptic, Qt::LeftButton);  // no file: the panel keeps its lines
    EXPECT_TRUE(panel().toPlainText().isEmpty());

    QFile file("descricao.rtf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 {\\b Caldeira} \\'e0 g\\'e1s\\par\\pard broken {\\*\\unknown x");
    file.close();
    QTest::mouseDClick(&synoptic, Qt::LeftButton);
    QDir::setCurrent(working);
    EXPECT_EQ(panel().toPlainText(), "Caldeira à gás\nbroken ");
    EXPECT_EQ(Fragments()[0].second.fontWeight(), QFont::Bold);
    EXPECT_EQ(project().workspace.Comments(Language::Portuguese),
              (std::vector<std::string>{"Caldeira à gás", "broken "}));
    EXPECT_TRUE(project().saved());
}

}  // namespace
}  // namespace vork::test
