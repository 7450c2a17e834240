// Writes the demo school tree into a folder; grades follow today's date.
//   make_demo_school <folder> [--history DAYS]
// With --history, the results file gets the runs of the last DAYS days.

#include "SchoolTree.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    DemoSchoolOptions options{QDate::currentDate()};
    bool daysRead = true;
    if (arguments.size() == 4 && arguments[2] == "--history")
        options.historyDays = arguments[3].toInt(&daysRead);
    if ((arguments.size() != 2 && arguments.size() != 4) || !daysRead || options.historyDays < 0) {
        std::fprintf(stderr, "usage: make_demo_school <folder> [--history DAYS]\n");
        return 2;
    }
    const QString root = arguments[1];
    const QString error = writeDemoSchool(root, options);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "make_demo_school: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Demo school written to %s\n", qPrintable(QDir(root).absolutePath()));
    return 0;
}
