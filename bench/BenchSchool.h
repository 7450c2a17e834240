#pragma once
// The school the benchmarks measure: a results file of 100 000 records (or
// as many as asked for) over
// 2 000 students and 5 levels (about 500 runs a day, the newest today) and
// a roster of those students, in a temporary folder of a real program
// context that serves as both the data root and the program's data folder.
#include "foundation/LevelCatalogue.h"
#include "foundation/ProgramContext.h"
#include "platform/TextFile.h"
#include "results/ResultsFile.h"
#include "roster/NameList.h"

#include <QTemporaryDir>

#include <random>

namespace bench {
constexpr int kRecords = 100'000;
constexpr int kStudents = 2'000;
constexpr int kLevels = 5;

struct School {
    QTemporaryDir folder;
    ProgramContext program;

    explicit School(int records = kRecords)
    {
        SharedState& state = program.state();
        state.DataRoot = folder.path() + u'/';
        state.ProgramDataFolder = state.DataRoot;
        for (int level = 1; level <= kLevels; ++level) {
            state.Criteria.TargetTime[level] = 30 + 10 * level;
            state.Criteria.PointMultiplier[level] = level == 5 ? 1.5f : 1.0f;
            state.Criteria.JudgeDays[level] = 7;
            state.Criteria.LimitDays[level] = 1;
        }
        std::mt19937 random(20261209);
        const double today = entryDateOf(program.context().clock.today());
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(records) * kRecordSize);
        for (int i = 0; i < records; ++i) {
            ResultRecord record;
            record.EntryDate = today - (records - 1 - i) / 500; // about 500 runs a day, oldest first
            record.EntryTime = (i % 500) / 600.0;
            record.StudentNo = static_cast<std::int16_t>(1 + random() % kStudents);
            record.Level = static_cast<std::int16_t>(1 + random() % kLevels);
            record.Seconds = random() % 20 == 0 ? kNoTime : static_cast<int>(20 + random() % 100);
            RecordBytes one;
            encodeRecord(record, one.data());
            bytes.append(one.data(), kRecordSize);
        }
        program.context().files.replaceFile(resultsFilePath(state), bytes);
        writeRoster();
    }

    // Students 1..2000 over kindergarten to lower secondary, school year 2026.
    void writeRoster()
    {
        SharedState& state = program.state();
        state.SchoolYearStartMonth = 4;
        state.CommonSetting3 = QStringLiteral("0");
        QStringList lines;
        for (int student = 1; student <= kStudents; ++student)
            lines << QStringLiteral("%1,%2,0,0,\"生徒　%1\",0,\"\",\"\"")
                         .arg(student)
                         .arg(2026 - 6 - (student % 11 - 1));
        program.context().files.replaceFile(state.DataRoot + QStringLiteral("新名簿.txt"), encodeLines(lines));
    }
};

inline School& school()
{
    static School instance;
    return instance;
}

// The school's state as the name list leaves it once `student` has signed in.
inline AppContext& signedIn(int student)
{
    AppContext& context = school().program.context();
    SharedState& state = context.state;
    fillLevelCatalogue(state);
    InitProgramProfile(state);
    state.SchoolYear = 2026;
    std::vector<RosterEntry> roster;
    readRosterFile(context.files, state.DataRoot, roster);
    buildNameList(state, roster, 1, QStringLiteral("全学年"), false);
    state.CurrentStudentNo = student;
    state.CurrentStudentName = state.StudentNames[static_cast<std::size_t>(student)];
    state.SelectedClass = QStringLiteral("全学年");
    return context;
}
} // namespace bench
