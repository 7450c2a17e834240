#include "foundation/DisplayScale.h"

#include "foundation/ScreenLayout.h"
#include "platform/DisplaySize.h"

#include <QByteArray>

#include <algorithm>

double displayScaleFactor(QSize display)
{
    return std::max(1.0, std::min(static_cast<double>(display.width()) / kScreenWidth,
                                  static_cast<double>(display.height()) / kScreenHeight));
}

bool ScaleToTheDisplay()
{
    constexpr const char* kFactorVariable = "QT_SCALE_FACTOR";
    if (qEnvironmentVariableIsSet(kFactorVariable))
        return false;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return false; // no X display: tests offscreen
    const std::optional<QSize> display = xDisplaySize();
    if (!display)
        return false;
    const double factor = displayScaleFactor(*display);
    if (factor == 1.0)
        return false;
    return qputenv(kFactorVariable, QByteArray::number(factor, 'g', 12));
}
