#pragma once
#include <QSize>

#include <optional>

// The size in pixels of the X display's default screen, asked of the X
// server itself: it is needed before Qt starts, as Qt takes its scale
// factor only then. None when no X server answers.
std::optional<QSize> xDisplaySize();
