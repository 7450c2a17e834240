#include "foundation/PictureView.h"

#include <QPainter>

const QPixmap& PictureView::picture()
{
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        picture_ = QPixmap(size() * ratio);
        picture_.setDevicePixelRatio(ratio);
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        draw_(painter);
    }
    return picture_;
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}
