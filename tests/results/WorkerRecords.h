#pragma once
// What each writer of the multi-process tests appends, so that the test can
// tell every record's writer and place.

#include "results/ResultRecord.h"

inline ResultRecord workerRecord(int writer, int sequence)
{
    ResultRecord record;
    record.EntryDate = 46000 + writer;
    record.EntryTime = sequence / 1000.0;
    record.StudentNo = static_cast<std::int16_t>(writer);
    record.Level = static_cast<std::int16_t>(1 + sequence % 5);
    record.Seconds = sequence;
    record.ExtraA = recordText(QStringLiteral("W%1").arg(writer));
    return record;
}
