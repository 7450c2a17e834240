#include "platform/fakes/FakePlatform.h"

double FakeRandomSource::next()
{
    if (values.empty())
        return fallback;
    const double value = values.front();
    values.pop_front();
    return value;
}

void FakeDialogs::showMessage(const QString& text, const QString& title)
{
    messages.append({text, title});
    if (onShow)
        onShow();
}

bool FakeDialogs::askYesNo(const QString& text, const QString& title)
{
    return answer({text, title, QStringLiteral("YesNo")});
}

bool FakeDialogs::askOkCancel(const QString& text, const QString& title)
{
    return answer({text, title, QStringLiteral("OkCancel")});
}

bool FakeDialogs::answer(const Shown& question)
{
    questions.append(question);
    if (onShow)
        onShow();
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeProgramControl::processPendingEvents()
{
    ++processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
}

void FakeProgramControl::letEventsRunFor(int milliseconds)
{
    if (onWait)
        onWait(milliseconds);
}

void FakeProgramControl::endProcess(int exitStatus) { throw ProgramEnded{exitStatus}; }

QString FakeProgramControl::startDetached(const QString& program, const QStringList& arguments)
{
    started.append({program, arguments});
    return startError;
}
