// Writes the demo school tree into a folder; grades follow today's date.

#include "SchoolTree.h"

#include <QDate>
#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_school <folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString error = writeDemoSchool(root, DemoSchoolOptions{QDate::currentDate()});
    if (!error.isEmpty()) {
        std::fprintf(stderr, "make_demo_school: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Demo school written to %s\n", qPrintable(QDir(root).absolutePath()));
    return 0;
}
