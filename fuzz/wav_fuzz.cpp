// The sound player's WAV reader.
#include "FuzzSupport.h"

#include "platform/QtSoundPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (const std::optional<PcmWav> wav = readPcmWav(inputBytes(data, size)))
        wav->durationMilliseconds();
    return 0;
}
