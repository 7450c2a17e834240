#pragma once
// Draws a page of the result graphs with a painter: on the graph panel's
// surface or on a printed page.

#include "student_menu/GraphDrawing.h"

class QPainter;

// `dotsPerUnit`: the painter's device dots per unit of the page's
// positions. Font sizes are points of the device.
void paintGraphPage(QPainter& painter, const GraphPage& page, double dotsPerUnit, const QString& fontFamily);
