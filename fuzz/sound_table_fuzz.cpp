// The sound table and the recordings of each of its categories.
#include "FuzzSupport.h"

#include "sound/SoundTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static SoundTable* table = new SoundTable;
    QString error;
    if (parseSoundTable(inputBytes(data, size), *table, error))
        for (int category = 0; category <= kSoundCategories; ++category)
            recordingCount(*table, category);
    return 0;
}
