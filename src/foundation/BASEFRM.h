#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

class QLabel;

// The please-wait screen shown while a run is being recorded.
class BASEFRM final : public Screen {
    Q_OBJECT
public:
    explicit BASEFRM(AppContext& context);

    // The child waits in front of it until the next screen is filled.
    bool isCover() const override { return true; }

    QLabel* Label19;
};
