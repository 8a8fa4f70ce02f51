#pragma once

#include <QProxyStyle>

namespace vork {

// The menu bar as the saved indicator needs it: an entry with an image shows the image and its
// caption side by side (Qt shows either one or the other).
class MenuBarStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

}  // namespace vork
