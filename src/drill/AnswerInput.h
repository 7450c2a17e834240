#pragma once
// What the keys of the drill screen mean, without the screen.

#include <QString>

// Key codes of the key-down handler.
enum DrillKey {
    NoDrillKey = 0,
    SpaceKey = 32,
    LeftKey = 37,
    UpKey = 38,
    RightKey = 39,
    DownKey = 40,
    DeleteKey = 46,
};

// The key code of a Qt key (keypad keys arrive as the same Qt keys);
// NoDrillKey for keys the handler does not know.
DrillKey drillKeyOf(int qtKey);

inline constexpr char16_t kBackspace = 8;
inline constexpr int kInputLimit = 23; // characters an answer box takes

// "*" "," "-" "." "/" and the digits: what typing may put into an answer box.
bool isAnswerCharacter(char16_t character);

// The number a typed answer reads as: its longest leading part made of an
// optional minus sign, digits and at most one decimal point; 0 when it
// starts with no number.
double numericValue(const QString& text);
