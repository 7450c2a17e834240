#pragma once
// The drawn controls of the drill screen: bars, counters, frames and strokes.

#include <QColor>
#include <QWidget>

// A filled rectangle, a filled circle, or a rectangle outline.
class ShapeWidget final : public QWidget {
public:
    enum class Kind { Box, Round, Frame };
    ShapeWidget(Kind kind, QColor colour, QWidget* parent);

    void setFillColour(const QColor& colour);
    QColor fillColour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor colour_;
};

// A thick straight line from one corner of its rectangle to the opposite one.
class StrokeWidget final : public QWidget {
public:
    enum class Direction { Falling, Rising }; // from top left or from bottom left
    StrokeWidget(Direction direction, int thickness, QWidget* parent);

    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction direction_;
    int thickness_;
    QColor colour_ = Qt::red;
};
