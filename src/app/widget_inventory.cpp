#include "app/widget_inventory.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace vork {

namespace {

QJsonArray Rect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The nearest class of Qt's own: the program's widgets are subclasses of them.
QString QtClass(const QObject* object) {
    const QMetaObject* meta = object->metaObject();
    while (meta->superClass() && !QString(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta->className();
}

bool Named(const QObject* object) {
    return !object->objectName().isEmpty() && !object->objectName().startsWith("qt_");
}

std::optional<QString> TextOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    if (auto* text = qobject_cast<const QTextEdit*>(widget)) return text->toPlainText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return plain->toPlainText();
    if (auto* menu = qobject_cast<const QMenu*>(widget)) return menu->title();
    return std::nullopt;
}

std::optional<QJsonArray> ItemsOf(const QWidget* widget) {
    QJsonArray items;
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    } else if (auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            items.append(tabs->tabText(i));
    } else if (auto* list = qobject_cast<const QListWidget*>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
    } else {
        return std::nullopt;
    }
    return items;
}

std::optional<bool> CheckedOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        if (button->isCheckable()) return button->isChecked();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        if (group->isCheckable()) return group->isChecked();
    return std::nullopt;
}

QJsonObject DescribeWidget(const QWidget* widget, const QWidget* window) {
    QJsonObject entry{{"objectName", widget->objectName()},
                      {"class", QtClass(widget)},
                      {"toolTip", widget->toolTip()},
                      {"visible", widget->isVisibleTo(window)},
                      {"enabled", widget->isEnabled()},
                      {"geometry", Rect({widget->mapTo(window, QPoint(0, 0)), widget->size()})}};
    if (std::optional<QString> text = TextOf(widget)) entry["text"] = *text;
    if (std::optional<QJsonArray> items = ItemsOf(widget)) entry["items"] = *items;
    if (std::optional<bool> checked = CheckedOf(widget)) entry["checked"] = *checked;
    return entry;
}

QJsonObject DescribeAction(const QAction* action) {
    return {{"objectName", action->objectName()},
            {"text", action->text()},
            {"visible", action->isVisible()},
            {"enabled", action->isEnabled()},
            {"checked", action->isChecked()}};
}

}  // namespace

QJsonObject DescribeWindow(const WindowRegistry::Entry& entry) {
    const QWidget* window = entry.window;
    QJsonArray widgets;
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (Named(child) && child->window() == window)
            widgets.append(DescribeWidget(child, window));
    QJsonArray actions;
    for (const QAction* action : window->findChildren<QAction*>())
        if (Named(action)) actions.append(DescribeAction(action));
    return {{"class", entry.className},
            {"slot", entry.slot ? QJsonValue(*entry.slot) : QJsonValue()},
            {"title", window->windowTitle()},
            {"visible", window->isVisible()},
            {"geometry", Rect(window->geometry())},
            {"widgets", widgets},
            {"actions", actions}};
}

QJsonObject WidgetInventory(const std::vector<WindowRegistry::Entry>& windows, Language language) {
    QJsonArray described;
    for (const WindowRegistry::Entry& entry : windows)
        described.append(DescribeWindow(entry));
    return {{"language", language == Language::English ? "en" : "pt"}, {"windows", described}};
}

}  // namespace vork
