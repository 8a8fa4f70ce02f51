#include "app/workspace/colour_box.h"

#include <QPixmap>
#include <QSignalBlocker>

namespace vork {

namespace {

struct NamedColour {
    const char* name;
    Colour colour;
};

constexpr NamedColour kStandard[] = {
    {"Black", Rgb(0, 0, 0)},       {"Maroon", Rgb(128, 0, 0)},    {"Green", Rgb(0, 128, 0)},
    {"Olive", Rgb(128, 128, 0)},   {"Navy", Rgb(0, 0, 128)},      {"Purple", Rgb(128, 0, 128)},
    {"Teal", Rgb(0, 128, 128)},    {"Gray", Rgb(128, 128, 128)},  {"Silver", Rgb(192, 192, 192)},
    {"Red", Rgb(255, 0, 0)},       {"Lime", Rgb(0, 255, 0)},      {"Yellow", Rgb(255, 255, 0)},
    {"Blue", Rgb(0, 0, 255)},      {"Fuchsia", Rgb(255, 0, 255)}, {"Aqua", Rgb(0, 255, 255)},
    {"White", Rgb(255, 255, 255)},
};

QColor ToQColor(Colour c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

QIcon Swatch(Colour c) {
    QPixmap swatch(14, 14);
    swatch.fill(ToQColor(c));
    return QIcon(swatch);
}

}  // namespace

ColourBox::ColourBox(QWidget* parent) : QComboBox(parent) {
    for (const NamedColour& c : kStandard)
        addItem(Swatch(c.colour), c.name, QVariant::fromValue(c.colour));
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT colourChosen(colour()); });
}

Colour ColourBox::colour() const {
    return currentData().value<Colour>();
}

void ColourBox::SetColour(Colour colour) {
    QSignalBlocker quiet(this);
    int index = findData(QVariant::fromValue(colour));
    if (index < 0) {
        addItem(Swatch(colour), ToQColor(colour).name(), QVariant::fromValue(colour));
        index = count() - 1;
    }
    setCurrentIndex(index);
}

}  // namespace vork
