#include "foundation/ReturnToMenu.h"

#include "platform/QtPlatform.h"

#include "support/TestContext.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace {
TEST(MenuCommand, PathAndArgumentOfEachLayout)
{
    const struct {
        bool developmentLayout;
        const char* program;
        QStringList arguments;
    } cases[] = {
        {false, "/school/ミナモドリル/../起動/プログラムメニューc.exe", {"001"}},
        {true, "/school/ミナモドリル/../../起動/起動/プログラムメニュー.exe", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.developmentLayout);
        const MenuCommand command = menuCommand(QStringLiteral("/school/ミナモドリル"), c.developmentLayout);
        EXPECT_EQ(command.program, QString::fromUtf8(c.program));
        EXPECT_EQ(command.arguments, c.arguments);
    }
}

// Real process starts; the end of the program is only reported.
class RealStartProgramControl final : public ProgramControl {
public:
    explicit RealStartProgramControl(QString folder) : folder_(std::move(folder)) {}
    QString programFolderPath() const override { return folder_; }
    void processPendingEvents() override { real_.processPendingEvents(); }
    void letEventsRunFor(int milliseconds) override { real_.letEventsRunFor(milliseconds); }
    QString startDetached(const QString& program, const QStringList& arguments) override
    {
        ++starts;
        return real_.startDetached(program, arguments);
    }
    int starts = 0;

protected:
    void endProcess(int exitStatus) override { throw ProgramEnded{exitStatus}; }

private:
    QString folder_;
    QtProgramControl real_;
};

// A school tree in a folder whose name has a space, as no shell may see it,
// with a stand-in menu program that writes its arguments beside itself.
class HandBack : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("school/ミナモドリル")));
        test.navigator.registerScreen(QStringLiteral("namesel"), [] { return std::make_unique<RecordingScreen>(); });
        test.navigator.show(QStringLiteral("namesel"));
    }

    QString path(const QString& relative) const { return root.path() + QStringLiteral("/") + relative; }

    // The stand-in writes "$*" to arguments.txt in its folder, renamed into
    // place so that a reader never sees it half written.
    void writeMenu(const QString& relative, bool executable = true)
    {
        const QString file = path(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile script(file);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "folder=$(dirname \"$0\")\n"
                     "printf '%s' \"$*\" > \"$folder/arguments.tmp\"\n"
                     "mv \"$folder/arguments.tmp\" \"$folder/arguments.txt\"\n");
        script.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        ASSERT_TRUE(script.setPermissions(permissions));
    }

    // What the stand-in wrote, waiting up to 5 s of real time for it.
    static std::optional<QByteArray> argumentsWritten(const QString& folder, int waitMilliseconds = 5000)
    {
        QFile file(folder + QStringLiteral("/arguments.txt"));
        const QDeadlineTimer deadline(waitMilliseconds);
        while (!file.exists()) {
            if (deadline.hasExpired())
                return std::nullopt;
            QThread::msleep(20);
        }
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    static int endStatusOf(AppContext& context)
    {
        try {
            ReturnToMenu(context);
        } catch (const ProgramEnded& ended) {
            return ended.exitStatus;
        }
        ADD_FAILURE() << "ReturnToMenu returned";
        return -1;
    }

    QTemporaryDir root{QDir::tempPath() + QStringLiteral("/hand back XXXXXX")};
    TestContext test; // navigator, dialogs and state
    RealStartProgramControl program{path(QStringLiteral("school/ミナモドリル"))};
    AppContext context{test.state,  test.clock, test.clock,     test.random, test.files,
                       test.dialogs, program,    test.navigator, test.sound, test.printing, test.hold};
};

TEST_F(HandBack, StartsTheMenuProgramOfEachLayoutAndEnds)
{
    const struct {
        bool developmentLayout;
        const char* menu;
        QByteArray arguments;
    } cases[] = {
        {false, "school/起動/プログラムメニューc.exe", "001"},
        {true, "起動/起動/プログラムメニュー.exe", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menu);
        writeMenu(QString::fromUtf8(c.menu));
        test.navigator.show(QStringLiteral("namesel"));
        test.state.DevelopmentLayout = c.developmentLayout;

        EXPECT_EQ(endStatusOf(context), 0);
        EXPECT_TRUE(test.dialogs.messages.isEmpty());
        EXPECT_FALSE(test.navigator.isLoaded(QStringLiteral("namesel")));
        EXPECT_EQ(argumentsWritten(QFileInfo(path(QString::fromUtf8(c.menu))).path()), c.arguments);
    }
}

TEST_F(HandBack, MenuThatCannotStartIsReportedWithTheReasonAndEndsWithFailure)
{
    const QString menuFolder = path(QStringLiteral("school/起動"));
    const struct {
        const char* situation;
        bool present;
    } cases[] = {{"missing", false}, {"not executable", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        QDir(menuFolder).removeRecursively();
        if (c.present)
            writeMenu(QStringLiteral("school/起動/プログラムメニューc.exe"), false);
        test.dialogs.messages.clear();
        test.navigator.show(QStringLiteral("namesel"));

        EXPECT_EQ(endStatusOf(context), 1);
        ASSERT_EQ(test.dialogs.messages.size(), 1);
        const QStringList lines = test.dialogs.messages[0].text.split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[1], path(QStringLiteral("school/ミナモドリル/../起動/プログラムメニューc.exe")));
        EXPECT_FALSE(lines[2].trimmed().isEmpty()); // the system's reason
        EXPECT_FALSE(test.navigator.isLoaded(QStringLiteral("namesel")));
        EXPECT_EQ(argumentsWritten(menuFolder, 300), std::nullopt);
    }
    EXPECT_EQ(program.starts, 2);
}
} // namespace
