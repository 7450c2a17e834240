// The path file and the common settings, in a school tree that is valid
// otherwise; the first byte says which of the two files the rest is.
#include "FuzzSupport.h"

#include "foundation/Settings.h"
#include "roster/Roster.h"
#include "support/SettingsFixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FakeFileSystem files;
    writeValidSchoolTree(files);
    const QString& file = data[0] % 2 ? SchoolTreePaths::pathFile : SchoolTreePaths::commonSettings;
    files.put(file, inputBytes(data + 1, size - 1));
    SharedState& state = fuzzContext().state;
    SettingsFailure failure;
    if (readSettings(files, SchoolTreePaths::programFolder, state, failure))
        SchoolYearOn(QDate(2026, 12, 10), state.SchoolYearStartMonth);
    return 0;
}
