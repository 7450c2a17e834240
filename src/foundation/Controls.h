#pragma once
// Small helpers for building a screen's controls.

#include <QLabel>

inline QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry, int pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

// Paints the widget's background in the colour (a screen, a panel, a label).
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}
