#pragma once
// The state every screen of the program shares: one instance per process,
// reached through the context that each screen is given.

#include "foundation/LevelStudentTable.h"
#include "foundation/Limits.h"
#include "results/CriteriaTable.h"
#include "results/ResultRecord.h"
#include "sound/SoundTable.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What a student has done on a level, recounted from the results file.
// Run counts leave out runs of 6000 seconds and more.
struct StudentTallies {
    std::int32_t RunCount = 0;       // all time
    std::int32_t TotalPoints = 0;    // all time
    std::int32_t JudgeRunCount = 0;  // within the level's judgement period
    std::int32_t JudgePoints = 0;
    std::int32_t LimitRunCount = 0;  // within the level's overdoing period
    std::int32_t LimitPointsSum = 0;
    std::int32_t TodayRunCount = 0;  // dated today
    std::int32_t TodayPoints = 0;
};

// The drill screen's state of the run in progress.
struct DrillRunState {
    int ProblemsPerRun = 0;
    int CorrectCount = 0;
    int JudgeResult = 0; // 0 none, 1 correct, 2 wrong
    int PlusState = 0;   // 0 idle, 1 and 2 waiting for the first and second "+", 3 confirmed
    bool JudgingBusy = false;
    bool RunFinished = false;
    int TimeLimit = 0;
    double TimeBarScale = 0;
};

struct SharedState {
    // Current student.
    int CurrentStudentNo = 0;
    QString CurrentStudentName;
    QString CurrentStudentGrade;
    int LoginTime = 0; // seconds since midnight

    // Current run.
    int CurrentLevel = 0;
    float RunStartTime = 0; // seconds since midnight
    int ElapsedSeconds = 0;
    bool TimeOutFlag = false;
    bool RunEndedGuard = false;
    int RecordedTime = 0;
    int TodayTotalRuns = 0;
    bool NewBestFlag = false;
    bool NewLevelRecordFlag = false;
    bool AlreadyPassed = false;
    bool FinalLevelCleared = false;
    bool RetryRequested = false;
    DrillRunState Drill;

    // Program profile and level catalogue.
    QString ProgramTitle;
    bool PrintButtonEnabled = false;
    bool AllLevelsOpen = false;
    int LevelCount = 0;
    int FinalLevelNo = 0;
    std::array<QString, kLevelSlots> LevelNames{};
    std::array<bool, kLevelSlots> LevelTimed{};
    std::array<std::optional<bool>, kLevelSlots> PracticeButtonShown{};

    // Start-up.
    QColor SeasonColour;
    bool DevelopmentLayout = false;

    // Folders, each ending in "/" but the name.
    QString ProgramFolder;
    QString DataRoot;
    QString ProgramFolderName;
    QString ProgramDataFolder;
    QString SoundFolder;

    // Common settings.
    int SchoolYearStartMonth = 0;
    QString SchoolName;
    QString SchoolCode; // five characters or empty
    QString CommonSetting3;
    QString CommonSetting4;
    QString TeacherPassword;

    CriteriaTable Criteria;
    SoundTable Sounds{};
    int SoundFailureCount = 0; // failed answer sounds in a row
    QString LastSoundResult;   // what the last play reported, empty when it played

    // Results of the file and the tallies recounted from them.
    std::vector<LoadedResult> LoadedResults; // LoadedCount = size(), at most kLoadedResultsCapacity
    LevelStudentTable<std::int32_t> BestTime{kNoTime};
    std::array<std::int32_t, kLevelSlots> LevelRecord{};
    LevelStudentTable<StudentTallies> Tallies;

    // Roster.
    int SchoolYear = 0;
    std::vector<int> RosterNumbers; // RosterCount = size(), listed entries in file order
    std::array<QString, kStudentSlots> StudentNames{};
    std::array<int, kStudentSlots> StudentBirthYears{};
    std::array<QString, kStudentSlots> StudentGrades{};
    QString SelectedClass;

    // Student menu.
    int ScrollStart = 0;  // the first level column shown; kept while the program runs
    int ListKind = 0;     // 1 rankings, 2 today's runs, 3 a period's or a student's runs
    int PeriodChoice = 0; // 1..5: this week .. all runs
    int PeriodDays = 0;

    SharedState() { LevelRecord.fill(kNoTime); }
};
