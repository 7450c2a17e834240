#pragma once
#include <QGuiApplication>
#include <QPixmap>

// A picture painted in the screens' own units with as many pixels as the
// display gives them, so that it stays crisp when the program is scaled.
inline QPixmap screenPicture(int width, int height)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(QSize(width, height) * ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}
