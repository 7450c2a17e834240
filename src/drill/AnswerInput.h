#pragma once
// What the keys of the drill screen mean, without the screen.

#include <QString>

#include <optional>

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
inline constexpr char16_t kEnter = 13;
inline constexpr char16_t kEscape = 27;

// The character a key types for the character handler, none when it types
// nothing. Control characters count (Ctrl+A is 1): they restart the "+"
// count and are refused at the limit. Both Enter keys type 13, Esc 27 and
// Backspace 8 whatever the platform reports; Delete types nothing, its
// work is the key-down's, though X reports it as U+007F.
std::optional<char16_t> typedCharacter(int qtKey, const QString& text);

inline constexpr int kInputLimit = 23; // characters an answer box takes

// "*" "," "-" "." "/" and the digits: what typing may put into an answer box.
bool isAnswerCharacter(char16_t character);

// The number a typed answer reads as: its longest leading part made of an
// optional minus sign, digits and at most one decimal point; 0 when it
// starts with no number.
double numericValue(const QString& text);
