#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

class QLabel;
class QPushButton;

// Stands where the student menu will be: shows who has signed in and leads
// back to the name list.
class InterimScreen final : public Screen {
    Q_OBJECT
public:
    explicit InterimScreen(AppContext& context);
    void activate() override;

    QLabel* TitleLabel;
    QLabel* StudentLabel;
    QLabel* NoticeLabel;
    QPushButton* BackButton; // 戻る(0)

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void goBack();

    AppContext& context_;
};
