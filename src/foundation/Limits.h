#pragma once
// Index ranges shared by every table of the program.

inline constexpr int kMaxLevel = 35;        // levels 1..35; index 0 is no level
inline constexpr int kLevelSlots = kMaxLevel + 1;
inline constexpr int kMaxStudentNo = 5000;  // students 1..5000; index 0 is no student
inline constexpr int kStudentSlots = kMaxStudentNo + 1;
inline constexpr int kLoadedResultsCapacity = 20000;

inline constexpr int kNoTime = 99999;           // a time-out run; no best time yet
inline constexpr int kOnlyFailedRuns = 99998;   // a best time made only of failed runs
inline constexpr int kUncountedRunSeconds = 6000; // runs this long count in no run count
