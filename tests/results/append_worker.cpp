// A second computer of the school, for the multi-process tests:
//   append_worker append <data folder> <writer> <count> [<pause ms>]
//                                                         appends <count> records of its own, pausing between
//                                                         two, and prints each one's sequence number once it is on disk
//   append_worker hold <data folder> <milliseconds>       holds the whole-file lock, then ends
//   append_worker delete <data folder> <count>            deletes the first record <count> times, as the
//                                                         maintenance screen does, printing each delete done
#include "foundation/ProgramContext.h"
#include "results/ResultsFile.h"

#include "results/WorkerRecords.h"

#include <QApplication>

#include <cstdio>
#include <thread>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4 || arguments.size() > 6)
        return 2;
    ProgramContext program;
    program.state().ProgramDataFolder = arguments[2] + u'/';
    program.state().ProgramTitle = QStringLiteral("append_worker");

    if (arguments[1] == "append") {
        const int writer = arguments[3].toInt();
        const int count = arguments[4].toInt();
        const auto pause = std::chrono::milliseconds(arguments.value(5).toInt());
        for (int sequence = 0; sequence < count; ++sequence) {
            if (sequence > 0)
                std::this_thread::sleep_for(pause);
            appendRecord(program.context(), workerRecord(writer, sequence));
            // Only now may the record be called written: a killed writer is held to what it printed.
            std::printf("%d\n", sequence);
            std::fflush(stdout);
        }
        return 0;
    }
    if (arguments[1] == "delete") {
        const int count = arguments[3].toInt();
        for (int done = 1; done <= count; ++done) {
            RecordBytes first;
            encodeRecord(readResultRecord(program.context(), 1), first.data());
            if (deleteResultRecord(program.context(), 1, first).outcome != RecordRewrite::Outcome::Written)
                return 1;
            std::printf("%d\n", done);
            std::fflush(stdout);
        }
        return 0;
    }
    if (arguments[1] == "hold") {
        std::unique_ptr<RecordFile> file = OpenResultsFile(program.context());
        if (file->lockWhole())
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(arguments[3].toInt()));
        return 0;
    }
    return 2;
}
