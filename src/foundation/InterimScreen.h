#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;

// Stands where the name selection will be: shows that start-up worked and
// which school it found, and lets the user leave.
class InterimScreen final : public Screen {
    Q_OBJECT
public:
    explicit InterimScreen(AppContext& context);
    void activate() override;

    QLabel* TitleLabel;
    QLabel* SchoolLabel;
    QLabel* NoticeLabel;
    QPushButton* EndButton;

private:
    AppContext& context_;
};
