#pragma once
// WAV files built byte by byte, for the sound player's tests.

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <numbers>

struct WavLayout {
    quint16 encoding = 1; // 1 integer samples, 3 float, 0xFFFE extensible
    quint16 extensibleEncoding = 1;
    quint16 channels = 1;
    quint32 sampleRate = 22050;
    quint16 bitsPerSample = 16;
    QByteArray chunksBeforeData = {};
    qint64 declaredDataSize = -1; // -1: the size of the samples given
};

inline void appendLittle(QByteArray& bytes, quint32 value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

inline QByteArray wavBytes(const WavLayout& layout, const QByteArray& samples)
{
    const bool extensible = layout.encoding == 0xFFFE;
    const quint16 blockAlign = layout.channels * layout.bitsPerSample / 8;
    QByteArray format;
    appendLittle(format, layout.encoding, 2);
    appendLittle(format, layout.channels, 2);
    appendLittle(format, layout.sampleRate, 4);
    appendLittle(format, layout.sampleRate * blockAlign, 4);
    appendLittle(format, blockAlign, 2);
    appendLittle(format, layout.bitsPerSample, 2);
    if (extensible) {
        appendLittle(format, 22, 2); // size of the extension
        appendLittle(format, layout.bitsPerSample, 2);
        appendLittle(format, 0, 4); // channel mask
        appendLittle(format, layout.extensibleEncoding, 2);
        format += QByteArray::fromHex("000000001000800000aa00389b71"); // rest of the GUID
    }
    QByteArray body = "WAVEfmt ";
    appendLittle(body, quint32(format.size()), 4);
    body += format + layout.chunksBeforeData + "data";
    appendLittle(body, quint32(layout.declaredDataSize < 0 ? samples.size() : layout.declaredDataSize), 4);
    body += samples;
    QByteArray bytes = "RIFF";
    appendLittle(bytes, quint32(body.size()), 4);
    return bytes + body;
}

// A 440 Hz tone in 16-bit mono samples.
inline QByteArray toneSamples(int sampleRate, int milliseconds)
{
    QByteArray samples;
    const int count = sampleRate * milliseconds / 1000;
    for (int i = 0; i < count; ++i)
        appendLittle(samples, quint16(qint16(8000 * std::sin(2 * std::numbers::pi * 440 * i / sampleRate))), 2);
    return samples;
}
