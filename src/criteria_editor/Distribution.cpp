#include "criteria_editor/Distribution.h"

#include "foundation/TextColumns.h"
#include "results/ResultsFile.h"

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
constexpr int kStudentOffset = 16;
constexpr int kLevelOffset = 18;
constexpr int kSecondsOffset = 20;
constexpr std::int32_t kNoBest = std::numeric_limits<std::int32_t>::max();

int classOf(std::int32_t seconds, int lastClass) { return std::min<std::int32_t>(seconds / 10, lastClass); }

using ClassTable = std::array<std::array<int, kClassLevels>, kTimeClasses>;

// The header's unit: a tenth of the fullest class, at least 1.
int unitOf(const ClassTable& classes, int level)
{
    int fullest = 0;
    for (const auto& counts : classes)
        fullest = std::max(fullest, counts[static_cast<std::size_t>(level)]);
    return std::max(1, fullest / 10);
}

template <typename Header>
QStringList classLines(const ClassTable& classes, int level, Header header)
{
    const bool counted = level >= 0 && level < kClassLevels;
    const int unit = counted ? unitOf(classes, level) : 1;
    QStringList lines{header(unit)};
    for (int timeClass = 0; timeClass < kTimeClasses; ++timeClass) {
        const int count = counted ? classes[static_cast<std::size_t>(timeClass)][static_cast<std::size_t>(level)] : 0;
        const int stars = static_cast<int>(static_cast<double>(count) / unit + 0.5);
        lines << lastOf(4, 4, 10 * timeClass) + u'～' + QString(stars, u'★');
    }
    return lines;
}
} // namespace

void DistributionCounter::start()
{
    tables_ = {};
    best_.assign(static_cast<std::size_t>(kClassLevels) * kStudentSlots, kNoBest);
}

void DistributionCounter::add(const char* records, qint64 length)
{
    for (qint64 offset = 0; offset + kRecordSize <= length; offset += kRecordSize) {
        const char* record = records + offset;
        const int level = getLittleEndian<std::int16_t>(record + kLevelOffset);
        if (level <= 0 || level >= kTotalLevels)
            continue;
        ++tables_.LevelRunTotal[static_cast<std::size_t>(level)];
        const std::int32_t seconds = getLittleEndian<std::int32_t>(record + kSecondsOffset);
        if (level >= kClassLevels || seconds < 0)
            continue;
        ++tables_.AllRunClasses[static_cast<std::size_t>(classOf(seconds, kLastAllRunClass))][static_cast<std::size_t>(level)];
        // Students outside the roster's numbers have no best here.
        const int student = getLittleEndian<std::int16_t>(record + kStudentOffset);
        if (student >= 0 && student < kStudentSlots) {
            std::int32_t& best = best_[static_cast<std::size_t>(level) * kStudentSlots + static_cast<std::size_t>(student)];
            best = std::min(best, seconds);
        }
    }
}

const DistributionTables& DistributionCounter::finish()
{
    for (std::size_t slot = 0; slot < best_.size(); ++slot)
        if (best_[slot] != kNoBest)
            ++tables_.BestRunClasses[static_cast<std::size_t>(classOf(best_[slot], kLastBestRunClass))][slot / kStudentSlots];
    return tables_;
}

DistributionTables countDistribution(const QByteArray& records)
{
    DistributionCounter counter;
    counter.start();
    counter.add(records.constData(), records.size());
    return counter.finish();
}

QStringList allRunLines(const DistributionTables& tables, int level)
{
    const int total = level >= 0 && level < kTotalLevels ? tables.LevelRunTotal[static_cast<std::size_t>(level)] : 0;
    return classLines(tables.AllRunClasses, level,
                      [&](int unit) { return u"レベル%1 今まで%2回  （★=%3）"_s.arg(level).arg(total).arg(unit); });
}

QStringList bestRunLines(const DistributionTables& tables, int level)
{
    return classLines(tables.BestRunClasses, level, [&](int unit) { return u"レベル%1 （★=%2）"_s.arg(level).arg(unit); });
}

const DistributionTables& DistributionCache::refresh(AppContext& context)
{
    FileStamp now;
    const FileError error = context.files.stamp(resultsFilePath(context.state), now);
    if (!error && valid_ && counted_.settled && now.sameAs(counted_))
        return *tables_;
    // Stamped before the reading: a change while reading shows at the next refresh.
    counter_.start();
    forEachResultSlice(context, [&](const char* records, qint64 length) { counter_.add(records, length); });
    tables_ = &counter_.finish();
    counted_ = now;
    valid_ = !error;
    return *tables_;
}
