#pragma once
// The result graphs: for one student and each chosen level, every run as a
// dot, the runs that lowered the student's best as a red trail with their
// times and dates, the scale, and a side panel comparing the student with
// the school. Computed as lists of lines, dots and texts, one list a page,
// that a painter draws on the screen or on paper.

#include "results/ResultRecord.h"
#include "roster/Roster.h"
#include "student_menu/Listings.h"

#include <QPointF>

#include <optional>
#include <variant>
#include <vector>

// Colours are 0x00BBGGRR.
inline constexpr unsigned kGraphBlack = 0x000000;
inline constexpr unsigned kGraphRed = 0x0000FF;
inline constexpr unsigned kGraphBlue = 0xFF0000;

// Positions are in the surface's units; widths are in the device's dots;
// font sizes in points.
struct GraphLine {
    QPointF from;
    QPointF to;
    unsigned colour = kGraphBlack;
    int width = 1;
    bool operator==(const GraphLine&) const = default;
};
struct GraphDot { // a round dot `width` dots across
    QPointF at;
    unsigned colour = kGraphBlack;
    int width = 1;
    bool operator==(const GraphDot&) const = default;
};
struct GraphText { // starts at `at`, top left
    QPointF at;
    QString text;
    double fontSize = 0;
    bool operator==(const GraphText&) const = default;
};
using GraphItem = std::variant<GraphLine, GraphDot, GraphText>;
using GraphPage = std::vector<GraphItem>;

// What the graphs are drawn on.
struct GraphSurface {
    double width = 0; // in the surface's own units
    double height = 0;
    int lineWidth = 0; // of the dots and the axes
    double fontSize = 0;
    bool paper = false;
};
// The graph panel's surface, measured in twips.
GraphSurface screenSurface(double widthTwips, double heightTwips, double fontSize);
// A printed page, measured in its dots.
GraphSurface paperSurface(double widthDots, double heightDots);

// The student's standing on a level among the students the class box
// shows, taken from the school's rankings.
struct SchoolFigures {
    QString timeRank; // the rank column of the student's line; empty when not listed
    QString pointsRank;
    int ownPoints = 0;
    int pointsHolders = 0; // listed students with points
    qint64 pointsSum = 0;  // and the sum of their points
};
SchoolFigures schoolFigures(const ListingInputs& inputs, int level, int pointsOrder, int student);

struct GraphRequest {
    const ListingInputs& listing;
    const std::vector<LoadedResult>& records; // the newest of the file, in file order
    int student = 0;
    int pointsOrder = 1;
    std::vector<int> levelLines; // the selected lines of the level list, 1-based, in order
};
// Three level graphs a page, at 0.05, 0.35 and 0.65 of its height; the
// fourth starts a new page.
std::vector<GraphPage> graphPages(const GraphRequest& request, const GraphSurface& surface);

// How many of the file's newest records the graphs read; of those, the
// runs of the last 3650 days on levels up to the level count are drawn.
inline constexpr int kGraphRecordCount = 20000;

// The lines of the graph panel's list of students, from the roster read
// again: listed entries only, "grade /  name/number".
QStringList graphStudentLines(const SharedState& state, const std::vector<RosterEntry>& roster);
// The student number after a line's last "/"; none when it is no number.
std::optional<int> graphStudentOfLine(const QString& line);
