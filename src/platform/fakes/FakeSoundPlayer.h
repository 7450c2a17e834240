#pragma once
#include "platform/SoundPlayer.h"

#include <QMap>
#include <QStringList>

// Records every play; files named in `failures` fail with that text.
class FakeSoundPlayer final : public SoundPlayer {
public:
    SoundPlayResult playToEnd(const QString& wavPath) override
    {
        played << wavPath;
        if (failures.contains(wavPath) || failAll)
            return {false, failures.value(wavPath, QStringLiteral("no output device"))};
        return {};
    }

    QStringList played;
    QMap<QString, QString> failures;
    bool failAll = false;
};
