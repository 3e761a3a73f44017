#pragma once

// An SVG icon drawn as the program draws every icon: antialiased, filling a
// transparent square of `pixels`. Header-only, so that the build tool that
// draws the icons ahead (tools/render-icons) draws them with this very code.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace lumolex {

inline QImage drawSvgPicture(QSvgRenderer &renderer, int pixels)
{
    QImage picture(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    painter.end();
    return picture;
}

} // namespace lumolex
