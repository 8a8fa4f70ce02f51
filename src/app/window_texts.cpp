#include "app/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QVariant>

namespace vork {

namespace {

void SetItem(QObject* object, int index, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (index < combo->count()) combo->setItemText(index, text);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        if (index < tabs->count()) tabs->setTabText(index, text);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        QList<QAbstractButton*> buttons =
            group->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
        if (index < buttons.size()) buttons[index]->setText(text);
    }
}

void SetText(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
}

// The tables applied to a widget, as pairs of address and length: the tables are static.
constexpr const char* kTablesProperty = "vorkWindowTexts";

void Remember(QWidget& window, std::span<const WindowText> table) {
    QVariantList tables = window.property(kTablesProperty).toList();
    QVariant address = QVariant::fromValue(reinterpret_cast<quintptr>(table.data()));
    for (qsizetype i = 0; i + 1 < tables.size(); i += 2)
        if (tables[i] == address) return;
    tables << address << QVariant::fromValue(static_cast<qulonglong>(table.size()));
    window.setProperty(kTablesProperty, tables);
}

QList<QObject*> Named(QWidget& window, const QString& name) {
    QList<QObject*> found = window.findChildren<QObject*>(name);
    if (window.objectName() == name) found.prepend(&window);
    return found;
}

}  // namespace

QString TextIn(const WindowText& entry, Language language) {
    return QString::fromUtf8(language == Language::English ? entry.english : entry.portuguese);
}

void ApplyWindowTexts(QWidget& window, std::span<const WindowText> table, Language language) {
    Remember(window, table);
    for (const WindowText& entry : table) {
        QString component = QString::fromUtf8(entry.component);
        QString text = TextIn(entry, language);
        if (component == "caption") {
            window.setWindowTitle(text);
        } else if (component.startsWith("hint:")) {
            for (QObject* object : Named(window, component.mid(5)))
                if (auto* widget = qobject_cast<QWidget*>(object)) widget->setToolTip(text);
        } else if (qsizetype slash = component.indexOf('/'); slash > 0) {
            int index = component.mid(slash + 1).toInt();
            for (QObject* object : Named(window, component.left(slash)))
                SetItem(object, index, text);
        } else {
            for (QObject* object : Named(window, component))
                SetText(object, text);
        }
    }
}

void ReapplyWindowTexts(QWidget& widget, Language language) {
    QVariantList tables = widget.property(kTablesProperty).toList();
    for (qsizetype i = 0; i + 1 < tables.size(); i += 2) {
        const auto* data = reinterpret_cast<const WindowText*>(tables[i].value<quintptr>());
        ApplyWindowTexts(widget, {data, static_cast<size_t>(tables[i + 1].toULongLong())},
                         language);
    }
}

}  // namespace vork
