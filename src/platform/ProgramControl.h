#pragma once
#include <QString>
#include <QStringList>

#include <cstdlib>

// The process around the screens.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;

    // The folder of the running executable, without a trailing "/".
    virtual QString programFolderPath() const = 0;

    // Lets pending window events (keys, clicks, timers, paints) run.
    virtual void processPendingEvents() = 0;
    // Lets window events run for about the given time: a wait that keeps
    // the screens alive without spinning the processor.
    virtual void letEventsRunFor(int milliseconds) = 0;

    // Ends the process at once with the given exit status.
    [[noreturn]] void endProgram(int exitStatus)
    {
        endProcess(exitStatus);
        std::abort(); // an adapter whose end returns would let the program run on
    }

    // Starts another program detached, with an argument list and no shell.
    // Returns the error text, empty on success.
    virtual QString startDetached(const QString& program, const QStringList& arguments) = 0;

protected:
    virtual void endProcess(int exitStatus) = 0;
};
