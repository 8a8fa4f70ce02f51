#include "app/workspace/example_gallery_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/workspace/marker_widgets.h"
#include "windows/example_gallery.h"

namespace vork {

namespace {

constexpr QSize kThumbnail{260, 160};  // pixels, the size of the gallery's pictures

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TitleName(const GalleryExample& example) {
    return "sim" + FromView(example.label) + "title";
}

QString MemoName(const GalleryExample& example) {
    return "Memo" + FromView(example.label);
}

}  // namespace

ExampleGalleryView::ExampleGalleryView(QWidget* parent) : QTabWidget(parent) {
    setObjectName("TabbedNotebook1");
    for (size_t page = 0; page < kGalleryPages.size(); ++page)
        addTab(BuildPage(static_cast<int>(page)), QString());
}

QWidget* ExampleGalleryView::BuildPage(int page) {
    auto* widget = new QWidget(this);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    const auto& examples = kGalleryPages.at(static_cast<size_t>(page)).examples;
    for (size_t i = 0; i < examples.size(); ++i) {
        if (!examples[i]) continue;
        const GalleryExample& example = *examples[i];
        auto* picture = new ClickableLabel(widget);
        picture->setObjectName(FromView(example.picture));
        picture->setPixmap(QPixmap(":/gallery/" + picture->objectName() + ".png"));
        picture->setFixedSize(kThumbnail);
        picture->setScaledContents(true);
        picture->setFrameShape(QFrame::Box);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setToolTip(FromView(example.hint));
        connect(picture, &ClickableLabel::clicked, this,
                [this, name = picture->objectName()] { Q_EMIT exampleChosen(name); });

        auto* texts = new QVBoxLayout;
        auto* title = new QLabel(widget);
        title->setObjectName(TitleName(example));
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.15);
        title->setFont(bold);
        title->setWordWrap(true);
        auto* memo = new QLabel(widget);
        memo->setObjectName(MemoName(example));
        memo->setWordWrap(true);
        memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        texts->addWidget(title);
        texts->addWidget(memo, 1);

        int row = static_cast<int>(i / 2);
        int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(picture, row, column, Qt::AlignTop);
        grid->addLayout(texts, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    return widget;
}

void ExampleGalleryView::ApplyTexts(Language language) {
    for (size_t page = 0; page < kGalleryPages.size(); ++page) {
        int index = static_cast<int>(page);
        setTabText(index, FromView(kGalleryPages[page].caption.In(language)));
        for (const std::optional<GalleryExample>& example : kGalleryPages[page].examples) {
            if (!example) continue;
            widget(index)
                ->findChild<QLabel*>(TitleName(*example))
                ->setText(FromView(example->title.In(language)));
            widget(index)
                ->findChild<QLabel*>(MemoName(*example))
                ->setText(FromView(example->description.In(language)));
        }
    }
}

}  // namespace vork
