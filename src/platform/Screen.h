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

    // A cover (the please-wait screen) stays in sight while the screen shown
    // after it is prepared: that screen appears once its activation has run.
    virtual bool isCover() const { return false; }
};
