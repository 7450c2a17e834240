// The code page 932 text reader: items, lines and the numbers in them.
#include "FuzzSupport.h"

#include "platform/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = decodeCp932(inputBytes(data, size));
    for (const QStringList& line : parseItemLines(text))
        for (const QString& item : line)
            leadingNumber(item);
    parseItems(text);
    parseItemStream(text);
    encodeLines(parseItems(text));
    return 0;
}
