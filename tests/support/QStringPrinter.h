#pragma once
// Lets GoogleTest show Qt texts as text in its failure messages.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
