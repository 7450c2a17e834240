// The criteria table, and the points every level grades with it.
#include "FuzzSupport.h"

#include "results/CriteriaTable.h"
#include "results/Evaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CriteriaTable table;
    QString error;
    if (!parseCriteriaTable(inputBytes(data, size), table, error))
        return 0;
    for (int level = 0; level < kLevelSlots; ++level)
        for (const int seconds : {0, 1, 59, 999, 1000, 5999, 6000, 99998, 99999})
            WeightedRunPoints(seconds, table, level);
    return 0;
}
