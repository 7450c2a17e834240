#pragma once
// The screens were made for a 1024 × 768 display. On a larger one the whole
// program (geometry, fonts, drawings) is scaled by one factor, so that it
// fills the display as it filled the one it was made for.

#include <QSize>

// The largest factor at which the 1024 × 768 screens fit the display, never
// below 1: 1920 × 1080 gives 1.40625, 1366 × 768 gives 1.
double displayScaleFactor(QSize display);

// Tells Qt the factor for the X display through QT_SCALE_FACTOR; to be
// called before the application object is made, which reads it. A factor
// already set in the environment (a school may set one in its launcher, or
// 1 to switch scaling off) stands. True when it set the factor.
bool ScaleToTheDisplay();
