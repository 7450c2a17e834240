// Writes the demo school tree into a folder; grades follow today's date.
//   make_demo_school <folder> [--history DAYS] [--minimum-time LEVEL=SECONDS]...
// With --history, the results file gets the runs of the last DAYS days.
// With --minimum-time, LEVEL's MinimumTime in the criteria table is SECONDS
// (its time limit five times that); options come in any order.

#include "SchoolTree.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QString>

#include <cstdio>
#include <optional>

namespace {
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The folder and the options, or nothing when the command line is not usable.
std::optional<std::pair<QString, DemoSchoolOptions>> readArguments(const QStringList& arguments)
{
    DemoSchoolOptions options{QDate::currentDate()};
    QString folder;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--history") || argument == QStringLiteral("--minimum-time")) {
            if (++i == arguments.size())
                return std::nullopt;
            const QString& value = arguments[i];
            if (argument == QStringLiteral("--history")) {
                const std::optional<int> days = wholeNumber(value);
                if (!days || *days < 0)
                    return std::nullopt;
                options.historyDays = *days;
            } else {
                const QStringList parts = value.split(u'=');
                const std::optional<int> level = wholeNumber(parts.value(0));
                const std::optional<int> seconds = wholeNumber(parts.value(1));
                if (parts.size() != 2 || !level || !seconds)
                    return std::nullopt;
                options.minimumTimes.insert(*level, *seconds);
            }
        } else if (folder.isEmpty() && !argument.startsWith(QStringLiteral("--"))) {
            folder = argument;
        } else {
            return std::nullopt;
        }
    }
    if (folder.isEmpty())
        return std::nullopt;
    return std::pair{folder, options};
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const auto arguments = readArguments(application.arguments());
    if (!arguments) {
        std::fprintf(stderr,
                     "usage: make_demo_school <folder> [--history DAYS] [--minimum-time LEVEL=SECONDS]...\n");
        return 2;
    }
    const auto& [root, options] = *arguments;
    const QString error = writeDemoSchool(root, options);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "make_demo_school: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Demo school written to %s\n", qPrintable(QDir(root).absolutePath()));
    return 0;
}
