#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;

// The version dialog: the program's title, version and maker; O.K. closes it
// and the screen that opened it comes back to the front.
class frmver final : public Screen {
    Q_OBJECT
public:
    explicit frmver(AppContext& context);

    void activate() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
};
