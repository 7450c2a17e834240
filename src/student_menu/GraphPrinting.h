#pragma once
// Printing the result graphs: one print document per student, three level
// graphs a page; PDF files in a folder where no printer is set up.

#include "platform/Printing.h"
#include "student_menu/GraphDrawing.h"

#include <functional>

struct GraphPrintJob {
    GraphRequest graphs; // its student is replaced by each of `students`
    std::vector<int> students;
    QString fontFamily;
    QString pdfFolder; // ends in "/"
};

// What to tell the teacher afterwards; empty when the printer took every
// document. Prints nothing without a level. Stops at the first document
// the printer refuses.
// `progress` hears of each finished student.
QString printGraphs(Printing& printing, const GraphPrintJob& job, const std::function<void(int done)>& progress);

// One student's graphs as a print document.
PrintDocument graphDocument(const GraphRequest& graphs, const QString& fontFamily);
