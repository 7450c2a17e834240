#pragma once
// How the recorded runs fall into ten-second classes, per level: all runs,
// and each student's best run. Plain data, no widgets.

#include "foundation/AppContext.h"

#include <QStringList>

#include <array>
#include <vector>

inline constexpr int kTimeClasses = 101;      // classes 0..100 of 10 seconds each
inline constexpr int kClassLevels = 51;       // the class tables hold levels 0..50
inline constexpr int kTotalLevels = 101;      // the run totals hold levels 0..100
inline constexpr int kLastAllRunClass = 100;  // 1000 seconds and more
inline constexpr int kLastBestRunClass = 30;  // 300 seconds and more

struct DistributionTables {
    std::array<int, kTotalLevels> LevelRunTotal{};
    std::array<std::array<int, kClassLevels>, kTimeClasses> AllRunClasses{};
    std::array<std::array<int, kClassLevels>, kTimeClasses> BestRunClasses{};
};

// Counts the tables over the complete records of a results file, handed
// in slices. Runs of level 0 are skipped; runs of a level above 50, and
// negative times, are left out of the class tables.
class DistributionCounter {
public:
    void start();
    void add(const char* records, qint64 length);
    const DistributionTables& finish(); // the best runs' classes from each student's best

private:
    DistributionTables tables_;
    std::vector<std::int32_t> best_; // per level and student; kept from count to count
};

DistributionTables countDistribution(const QByteArray& records);

// The lines of the two lists for a level: the header, then one line per class.
QStringList allRunLines(const DistributionTables& tables, int level);
QStringList bestRunLines(const DistributionTables& tables, int level);

// The tables of the results file as it stands, counted again only when the
// file may have changed since the last count: another file at the path,
// another size or modification time, or a modification too recent for its
// time to tell.
class DistributionCache {
public:
    const DistributionTables& refresh(AppContext& context);

private:
    FileStamp counted_;
    bool valid_ = false;
    DistributionCounter counter_;
    const DistributionTables* tables_ = nullptr;
};
