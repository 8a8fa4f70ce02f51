#pragma once

#include <QImage>

namespace vork::plantmaker {

class Example;

// The thumbnail of the example gallery, a quarter of the picture.
inline constexpr int kThumbnailWidth = 260;
inline constexpr int kThumbnailHeight = 160;

// The plant picture: the sheet's items, then the objects' tags where their markers go.
QImage PaintPicture(const Example& ex);

// The picture as the main window shows it, with the markers, texts and inputs on top: for
// looking at a description, not for the repository.
QImage PaintPreview(const QImage& picture, const Example& ex);

QImage Thumbnail(const QImage& picture);

}  // namespace vork::plantmaker
