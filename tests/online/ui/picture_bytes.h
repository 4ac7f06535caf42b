#pragma once

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <string>

namespace vorlix::test {

// A JPEG picture of that size and colour, as a service would send it.
inline std::string jpegBytes(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes.toStdString();
}

}  // namespace vorlix::test
