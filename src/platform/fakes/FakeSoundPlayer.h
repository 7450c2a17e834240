#pragma once
#include "platform/SoundPlayer.h"

#include <QMap>
#include <QStringList>

#include <functional>

// Records every play; files named in `failures` fail with that text. A play
// returns at once unless `whilePlaying` makes it take its time.
class FakeSoundPlayer final : public SoundPlayer {
public:
    SoundPlayResult playToEnd(const QString& wavPath) override
    {
        played << wavPath;
        if (whilePlaying)
            whilePlaying(wavPath);
        if (failures.contains(wavPath) || failAll)
            return {false, failures.value(wavPath, QStringLiteral("no output device"))};
        return {};
    }

    QStringList played;
    QMap<QString, QString> failures;
    bool failAll = false;
    std::function<void(const QString& wavPath)> whilePlaying;
};
