#include "drill/Shapes.h"

#include <QPainter>

ShapeWidget::ShapeWidget(Kind kind, QColor colour, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setFillColour(const QColor& colour)
{
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind_) {
    case Kind::Box:
        painter.fillRect(rect(), colour_);
        break;
    case Kind::Round:
        painter.setPen(QPen(colour_.darker(150), 1.5));
        painter.setBrush(colour_);
        painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        break;
    case Kind::Frame:
        painter.setPen(QPen(colour_, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
        break;
    }
}

StrokeWidget::StrokeWidget(Direction direction, int thickness, QWidget* parent)
    : QWidget(parent), direction_(direction), thickness_(thickness)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StrokeWidget::setColour(const QColor& colour)
{
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void StrokeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, thickness_, Qt::SolidLine, Qt::RoundCap));
    const QRectF inner = QRectF(rect()).adjusted(thickness_, thickness_, -thickness_, -thickness_);
    if (direction_ == Direction::Falling)
        painter.drawLine(inner.topLeft(), inner.bottomRight());
    else
        painter.drawLine(inner.bottomLeft(), inner.topRight());
}
