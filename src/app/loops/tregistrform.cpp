#include "app/loops/tregistrform.h"

#include <QDir>
#include <QFormLayout>
#include <QHideEvent>
#include <QSignalBlocker>

#include "app/std_text.h"
#include "app/window_texts.h"
#include "project/project.h"

namespace vork {

namespace {

constexpr int kAreaX = 2, kAreaY = 4;

}  // namespace

TRegistrForm::TRegistrForm(AppContext& context, int slot)
    : context_(context), model_(context.project(), slot) {
    setObjectName("RegistrForm");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    BuildTrend();
    BuildButtons();
    BuildConfiguration();
    ProjectDocument& document = context.document;
    connect(&document, &ProjectDocument::ticked, this, [this] {
        if (!isVisible()) return;
        model_.Refresh();
        Sync();
    });
    ApplyTexts();
    ApplyLayout();
    SyncConfiguration();
    Sync();
}

void TRegistrForm::BuildTrend() {
    trend_ = new TrendArea(context_, model_.trend, {2, "SpeedButton1", "MV(%)", "PV", true}, this);
    trend_->move(kAreaX, kAreaY);
    QWidget& row = trend_->ownerRow();
    const std::array<std::pair<const char*, QColor>, 3> pens{
        {{"VermelhoLabel", Qt::red}, {"AzulLabel", Qt::blue}, {"VerdeLabel", QColor(0, 140, 0)}}};
    for (size_t i = 0; i < pens.size(); ++i) {
        auto* label = new QLabel(&row);
        label->setObjectName(pens[i].first);
        label->setGeometry(static_cast<int>(i) * 140, 0, 138, 22);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, pens[i].second);
        label->setPalette(palette);
        penLabels_[i] = label;
    }
    unit_ = new QLabel(&row);
    unit_->setObjectName("Label1");
    unit_->setGeometry(420, 0, row.width() - 420, 22);
    trend_->view().SetTraces([this] {
        std::vector<TraceStyle> traces{{0, Qt::red}};
        if (!model_.blueLabel.empty()) traces.push_back({1, Qt::blue});
        if (!model_.greenLabel.empty()) traces.push_back({2, QColor(0, 140, 0)});
        return traces;
    });
    trend_->SetCurves(
        [this] {
            const TrendRecorderFields& f = model_.recorder().fields;
            std::vector<TrendCurve> curves{{f.penText1, 0}};
            if (!model_.blueLabel.empty()) curves.push_back({f.penText2, 1});
            if (!model_.greenLabel.empty()) curves.push_back({f.penText3, 2});
            return curves;
        },
        [this] { return FromStd(model_.recorder().fields.TagText); });
    connect(trend_, &TrendArea::autoScaleClicked, this, [this](bool on) {
        model_.EscalaAutoClick(on);
        Sync();
    });
    connect(trend_, &TrendArea::plotDoubleClicked, this, [this] {
        model_.ImageDoubleClick();
        Sync();
    });
    connect(trend_, &TrendArea::archiveClicked, this, &TRegistrForm::ArchiveClicked);
}

void TRegistrForm::BuildButtons() {
    int x = kAreaX + TrendArea::kWidth + 4;
    int width = TrendRecorderWindow::kTrendWidth - x - 4;
    conf_ = new QToolButton(this);
    conf_->setObjectName("ConfBTN");
    conf_->setText("Conf.");
    conf_->setGeometry(x, kAreaY, width, 26);
    connect(conf_, &QToolButton::clicked, this, [this] {
        model_.ConfBTNClick();
        ApplyLayout();
        Sync();
    });
    exit_ = new QToolButton(this);
    exit_->setObjectName("SairBTN");
    exit_->setText("Sair");
    exit_->setGeometry(x, kAreaY + 30, width, 26);
    connect(exit_, &QToolButton::clicked, this, &QWidget::close);
}

QLineEdit* TRegistrForm::FieldText(const char* name, std::string TrendRecorderFields::*field) {
    auto* edit = new QLineEdit(column_);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        model_.Edit([&](TrendRecorderFields& f) { f.*field = text.toStdString(); });
        setWindowTitle(FromStd(model_.caption));
        Sync();
    });
    texts_.push_back({edit, field});
    return edit;
}

QComboBox* TRegistrForm::PenList(const char* name, int pen) {
    auto* list = new QComboBox(column_);
    list->setObjectName(name);
    list->setMaxVisibleItems(20);
    connect(list, &QComboBox::activated, this, [this, pen](int position) {
        if (pen == 3)
            model_.Variavel3SelectChange(position);
        else if (pen == 1)
            model_.Edit([position](TrendRecorderFields& f) { f.Variavel1Select = position; });
        else
            model_.Edit([position](TrendRecorderFields& f) { f.Variavel2Select = position; });
        SyncConfiguration();
        Sync();
    });
    pens_[static_cast<size_t>(pen - 1)] = list;
    return list;
}

void TRegistrForm::BuildConfiguration() {
    column_ = new QWidget(this);
    column_->setObjectName("ConfigColumn");
    column_->setGeometry(TrendRecorderWindow::kTrendWidth, 0,
                         TrendRecorderWindow::kConfigWidth - TrendRecorderWindow::kTrendWidth,
                         TrendRecorderWindow::kHeight);
    auto* form = new QFormLayout(column_);
    form->setContentsMargins(4, 4, 6, 4);
    form->setVerticalSpacing(3);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    auto caption = [this](const char* name) {
        auto* label = new QLabel(column_);
        label->setObjectName(name);
        return label;
    };
    QLabel* tag = caption("Label12");
    tag->setText("Tag");
    form->addRow(tag, FieldText("TagText", &TrendRecorderFields::TagText));
    form->addRow(caption("Label13"),
                 FieldText("DescricaoText", &TrendRecorderFields::DescricaoText));
    const char* lists[] = {"Variavel1Select", "Variavel2Select", "Variavel3Select"};
    const char* edits[] = {"Edit1", "Edit2", "Edit3"};
    std::string TrendRecorderFields::*penTexts[] = {&TrendRecorderFields::penText1,
                                                    &TrendRecorderFields::penText2,
                                                    &TrendRecorderFields::penText3};
    for (int pen = 1; pen <= 3; ++pen) {
        size_t i = static_cast<size_t>(pen - 1);
        form->addRow(caption(QString("Label%1").arg(13 + pen).toLatin1().constData()),
                     PenList(lists[i], pen));
        form->addRow(caption(QString("Label%1").arg(17 + pen).toLatin1().constData()),
                     FieldText(edits[i], penTexts[i]));
    }
}

void TRegistrForm::ArchiveClicked(bool on) {
    if (on) {
        DiskTrendFileSystem files;
        if (model_.StartArchive(files, WorkingFolder().toStdString()) == ArchiveStart::Failed)
            context_.platform.Message(FromStd(model_.recorder().trend.archive.error));
    } else {
        context_.platform.Message(FromStd(model_.StopArchive()));
    }
    Sync();
}

// The folder of the open project's file, or the program's folder for a new project.
QString TRegistrForm::WorkingFolder() const {
    QString folder = FromStd(context_.project().fileName().parent_path().string());
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

void TRegistrForm::ShowFromMain() {
    model_.Activate(context_.language());
    ApplyTexts();
    ApplyLayout();
    SyncConfiguration();
    Sync();
    show();
    raise();
}

bool TRegistrForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        bool wasEnglish = model_.englishApplied;
        model_.Activate(context_.language());
        if (model_.englishApplied != wasEnglish) ApplyTexts();
        ApplyLayout();
        Sync();
    }
    return QWidget::event(event);
}

void TRegistrForm::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        model_.CloseWindow();
        trend_->Sync();
    }
    QWidget::hideEvent(event);
}

void TRegistrForm::ApplyTexts() {
    Language language = model_.englishApplied ? Language::English : Language::Portuguese;
    ApplyWindowTexts(*this, kRecorderWindowTexts, language);
    trend_->ApplyTexts(context_.language());
    setWindowTitle(FromStd(model_.caption));
}

void TRegistrForm::ApplyLayout() {
    setFixedSize(model_.width(), TrendRecorderWindow::kHeight);
    column_->setVisible(model_.configColumn);
}

void TRegistrForm::Sync() {
    std::array<const std::string*, 3> labels{&model_.redLabel, &model_.blueLabel,
                                             &model_.greenLabel};
    for (size_t i = 0; i < labels.size(); ++i)
        penLabels_[i]->setText(FromStd(*labels[i]));
    unit_->setText(FromStd(model_.unit));
    exit_->setEnabled(model_.exitEnabled);
    conf_->setEnabled(model_.confEnabled);
    trend_->Sync();
}

void TRegistrForm::SyncConfiguration() {
    const TrendRecorderFields& f = model_.recorder().fields;
    for (auto& [edit, field] : texts_)
        if (!edit->hasFocus() && edit->text() != FromStd(f.*field))
            edit->setText(FromStd(f.*field));
    std::array<const std::vector<std::string>*, 3> items{
        &model_.Variavel1Items, &model_.Variavel2Items, &model_.Variavel3Items};
    std::array<int, 3> selected{f.Variavel1Select, f.Variavel2Select, f.Variavel3Select};
    for (size_t i = 0; i < pens_.size(); ++i) {
        QSignalBlocker quiet(pens_[i]);
        if (pens_[i]->count() != static_cast<int>(items[i]->size())) {
            pens_[i]->clear();
            for (const std::string& item : *items[i])
                pens_[i]->addItem(FromStd(item));
        }
        pens_[i]->setCurrentIndex(selected[i]);
    }
    setWindowTitle(FromStd(model_.caption));
}

}  // namespace vork
