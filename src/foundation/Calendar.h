#pragma once
// Date rules of the start-up screen.

#include <QColor>
#include <QDate>
#include <QString>

// The background colour of the name list and the menu for a month (1..12).
QColor seasonColour(int month);

// "令和8年 12月 09日（水）": era and era year, month, two-digit day, weekday.
QString eraDateLabel(const QDate& date);
