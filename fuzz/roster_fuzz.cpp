// The roster, and the grades the name list makes of it.
#include "FuzzSupport.h"

#include "platform/TextFile.h"
#include "roster/Roster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const RosterEntry& entry : parseRoster(decodeCp932(inputBytes(data, size)))) {
        const int grade = GradeNumber(2026, entry.BirthYear);
        ShortGradeLabel(grade);
        fullGradeName(grade);
    }
    return 0;
}
