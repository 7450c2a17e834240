#pragma once
// Screen geometry helpers shared by every screen.

#include <QColor>
#include <QRect>

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kTwipsPerPixel = 15;

// A rectangle given in twips, as the layouts are drawn.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// A colour written 0x00BBGGRR, blue in the high byte.
inline QColor colourFromBgr(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
