#pragma once
#include <QString>

// Modal message boxes. They return once the user has answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void showMessage(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // True for OK, false for Cancel.
    virtual bool askOkCancel(const QString& text, const QString& title) = 0;
};
