#pragma once
// Test fakes of the dialogs, the process and the random source.

#include "platform/Dialogs.h"
#include "platform/ProgramControl.h"
#include "platform/RandomSource.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Deterministic random numbers: the scripted values in turn, then `fallback`.
class FakeRandomSource final : public RandomSource {
public:
    void seed(double secondsSinceMidnight) override { seededWith = secondsSinceMidnight; }
    double next() override;

    std::deque<double> values;
    double fallback = 0.0;
    double seededWith = -1.0;
};

// Records every message; answers questions from a script (then "yes").
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        QString buttons; // of a question: "YesNo" or "OkCancel"
    };
    void showMessage(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
    bool askOkCancel(const QString& text, const QString& title) override;

    QList<Shown> messages;
    QList<Shown> questions;
    std::deque<bool> answers;
    std::function<void()> onShow; // runs while a message box or a question is "open"

private:
    bool answer(const Shown& question);
};

// Thrown by FakeProgramControl::endProgram so that the test sees where the
// program would have ended, with nothing after it running.
struct ProgramEnded {
    int exitStatus;
};

class FakeProgramControl final : public ProgramControl {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };
    QString programFolderPath() const override { return programFolder; }
    void processPendingEvents() override;
    void letEventsRunFor(int milliseconds) override;
    QString startDetached(const QString& program, const QStringList& arguments) override;

    QString programFolder = QStringLiteral("/school/ミナモドリル");
    // What "letting events run" does in a test: usually advancing virtual time.
    std::function<void()> onProcessEvents;
    std::function<void(int milliseconds)> onWait; // a wait: usually advancing virtual time by as much
    int processEventsCalls = 0;
    QList<Started> started;
    QString startError; // returned by startDetached when set

protected:
    void endProcess(int exitStatus) override;
};
