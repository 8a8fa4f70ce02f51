#pragma once

#include <QJsonObject>
#include <vector>

#include "app/window_registry.h"
#include "engine/language.h"

namespace vork {

// Every window with its named widgets and menu entries, as `widgets.json` lists them:
// {"language": "pt"|"en", "windows": [{"class", "slot", "title", "visible", "geometry",
// "widgets": [{"objectName", "class", "text", "items", "toolTip", "visible", "enabled",
// "checked", "geometry"}], "actions": [{"objectName", "text", "visible", "enabled",
// "checked"}]}]}. A child's geometry is relative to its window; "text", "items" and "checked"
// appear only where the widget has them.
QJsonObject WidgetInventory(const std::vector<WindowRegistry::Entry>& windows, Language language);

// One window's part of the inventory.
QJsonObject DescribeWindow(const WindowRegistry::Entry& window);

}  // namespace vork
