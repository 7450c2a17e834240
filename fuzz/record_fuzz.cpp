// The 44-byte record, field by field, and what the rules read of it.
#include "FuzzSupport.h"

#include "results/Evaluation.h"
#include "results/ResultRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    for (std::size_t at = 0; at + kRecordSize <= size; at += kRecordSize) {
        const ResultRecord record = decodeRecord(bytes + at);
        dateOfEntry(record.EntryDate);
        timeOfEntry(record.EntryTime);
        if (isValidRecord(record.numbers()))
            RunPoints(record.Seconds, 60);
    }
    return 0;
}
