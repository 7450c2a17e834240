#pragma once
#include <QWidget>

// A top-level screen of the program. The navigator shows and closes it and
// tells it when it becomes the front screen.
class Screen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Runs each time this screen becomes the program's front screen after
    // another screen of the program was (also when it is first shown).
    // Switching to another application and back is not an activation.
    virtual void activate() {}
};
