#pragma once
// A picture of a screen (the start-up and completion artwork), drawn by a
// function in the screen's own units the first time it is painted, with as
// many pixels as the display gives it: the screen appears without waiting
// for the drawing, and the picture stays crisp when the program is scaled.

#include <QPixmap>
#include <QWidget>

#include <functional>

class QPainter;

class PictureView final : public QWidget {
public:
    using Draw = std::function<void(QPainter& painter)>;

    PictureView(Draw draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {}

    // The picture, drawn now unless it was already.
    const QPixmap& picture();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Draw draw_;
    QPixmap picture_;
};
