#include "app/workspace/menu_bar_style.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace vork {

namespace {

constexpr int kGap = 4;  // pixels between image and caption

const QStyleOptionMenuItem* ItemWithImage(const QStyleOption* option) {
    auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return item && !item->icon.isNull() && !item->text.isEmpty() ? item : nullptr;
}

}  // namespace

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const QStyleOptionMenuItem* item = element == CE_MenuBarItem ? ItemWithImage(option) : nullptr;
    if (!item) return QProxyStyle::drawControl(element, option, painter, widget);
    QStyleOptionMenuItem background = *item;
    background.icon = QIcon();
    background.text.clear();
    QProxyStyle::drawControl(element, &background, painter, widget);
    int extent = pixelMetric(PM_SmallIconSize, option, widget);
    QFontMetrics metrics(item->font);
    int width = extent + kGap + metrics.horizontalAdvance(item->text);
    QRect content(item->rect.center().x() - width / 2, item->rect.top(), width,
                  item->rect.height());
    QRect image(content.left(), content.center().y() - extent / 2, extent, extent);
    item->icon.paint(painter, image);
    QRect caption = content.adjusted(extent + kGap, 0, 0, 0);
    drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 item->palette, item->state & State_Enabled, item->text, QPalette::ButtonText);
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    const QStyleOptionMenuItem* item = type == CT_MenuBarItem ? ItemWithImage(option) : nullptr;
    if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
    QFontMetrics metrics(item->font);
    QSize content(size.width() + kGap + metrics.horizontalAdvance(item->text),
                  std::max(size.height(), metrics.height()));
    return QProxyStyle::sizeFromContents(type, option, content, widget);
}

}  // namespace vork
