#pragma once
#include <QPushButton>

// A button of a screen: Enter and Space click it while it has the focus, as
// the children are used to (Qt clicks on Enter only inside dialogs).
inline QPushButton* makeButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(true);
    return button;
}
