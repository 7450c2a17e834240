// The maintenance screen while another computer holds the results file, for
// real: a process of its own holds the lock for a few seconds, and meanwhile
// the teacher clicks rows, double-clicks one, presses a key and clicks
// "戻る". The write waits, lands from what the teacher had entered, and only
// then do the clicks and the key act.
#include "foundation/ProgramContext.h"
#include "foundation/ScreenNames.h"
#include "maintenance/FrmData.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/TextFile.h"
#include "roster/NameList.h"

#include "results/ResultsTestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
constexpr int kStudent = 21;
constexpr int kHoldMilliseconds = 2500;

std::vector<ResultRecord> fiveRecords()
{
    std::vector<ResultRecord> records;
    for (int number = 1; number <= 5; ++number)
        records.push_back(runRecord(QDate(2026, 12, number), kStudent, 1, 1230 + number));
    return records;
}

struct WriteCase {
    const char* name;
    std::function<void(FrmData&)> write; // on the panel of the row of record 3
    std::vector<ResultRecord> expectedFile;
};

class WaitForAnotherComputer : public ::testing::TestWithParam<WriteCase> {
protected:
    QTemporaryDir folder;
    FakeDialogs dialogs; // answers OK to "本当に消去しますか"
    ProgramContext program{&dialogs};
    PosixFileSystem disk;
    int menuShows = 0;

    void SetUp() override
    {
        SharedState& state = program.state();
        state.DataRoot = folder.path() + u'/';
        state.ProgramDataFolder = folder.path() + u'/';
        state.SchoolYearStartMonth = 4;
        ASSERT_FALSE(disk.replaceFile(state.DataRoot + kRosterFileName,
                                      encodeLines({u"21,2018,0,0,\"清水　心春\",0,\"\",\"\""_s})));
        ASSERT_FALSE(disk.replaceFile(resultsFilePath(state), recordBytes(fiveRecords())));
        Navigator& navigator = program.context().navigator;
        navigator.registerScreen(ScreenNames::FrmData, [this] { return std::make_unique<FrmData>(program.context()); });
        navigator.registerScreen(ScreenNames::seisekitime1,
                                 [this] { return std::make_unique<RecordingScreen>(&menuShows); });
    }

    std::vector<ResultRecord> stored()
    {
        QByteArray bytes;
        EXPECT_FALSE(disk.readFile(resultsFilePath(program.state()), bytes));
        return decodedRecords(bytes);
    }

    // Another computer takes the file's lock and keeps it for a while.
    std::unique_ptr<QProcess> holdTheFile()
    {
        auto holder = std::make_unique<QProcess>();
        holder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder->start(QStringLiteral(APPEND_WORKER),
                      {u"hold"_s, folder.path(), QString::number(kHoldMilliseconds)});
        EXPECT_TRUE(holder->waitForReadyRead(10000));
        EXPECT_EQ(holder->readLine().trimmed(), "locked");
        return holder;
    }

    static QPoint rowCentre(FrmData& screen, int row)
    {
        return screen.List1->visualRect(screen.List1->model()->index(row, 0)).center();
    }
    static void doubleClickRow(FrmData& screen, int row)
    {
        QTest::mouseClick(screen.List1->viewport(), Qt::LeftButton, {}, rowCentre(screen, row));
        QTest::mouseDClick(screen.List1->viewport(), Qt::LeftButton, {}, rowCentre(screen, row));
    }
};

TEST_P(WaitForAnotherComputer, TheWriteLandsFirstAndTheTeachersClicksActAfterIt)
{
    Navigator& navigator = program.context().navigator;
    navigator.show(ScreenNames::FrmData);
    FrmData& screen = navigator.screen<FrmData>(ScreenNames::FrmData);
    doubleClickRow(screen, 2);
    ASSERT_EQ(screen.SelectedRecord, 3);

    const std::unique_ptr<QProcess> holder = holdTheFile();
    // A timer of the test's own: it runs during the wait, as the teacher's hand does.
    bool clickedDuringTheWait = false;
    QTimer::singleShot(400, [&] {
        QTest::mouseClick(screen.List1->viewport(), Qt::LeftButton, {}, rowCentre(screen, 0));
        doubleClickRow(screen, 2);
        QTest::mouseClick(screen.List1->viewport(), Qt::LeftButton, {}, rowCentre(screen, 4));
        QTest::keyClick(screen.List1, Qt::Key_Up);
        QTest::mouseClick(screen.Command4, Qt::LeftButton);
        clickedDuringTheWait = true;
    });
    QElapsedTimer waited;
    waited.start();
    GetParam().write(screen);
    EXPECT_GE(waited.elapsed(), 1000);
    ASSERT_TRUE(clickedDuringTheWait);
    EXPECT_EQ(stored(), GetParam().expectedFile);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(menuShows, 0);

    QCoreApplication::processEvents(); // back in the event loop: the held clicks and key
    EXPECT_EQ(menuShows, 1);
    EXPECT_FALSE(navigator.isLoaded(ScreenNames::FrmData));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(stored(), GetParam().expectedFile);
    EXPECT_TRUE(holder->state() == QProcess::NotRunning || holder->waitForFinished(10000));
}

std::vector<ResultRecord> withRecord3(int seconds)
{
    std::vector<ResultRecord> records = fiveRecords();
    if (seconds < 0)
        records.erase(records.begin() + 2);
    else
        records[2].Seconds = seconds;
    return records;
}

INSTANTIATE_TEST_SUITE_P(
    CorrectAndDelete, WaitForAnotherComputer,
    testing::Values(WriteCase{"Correction",
                              [](FrmData& screen) {
                                  screen.Text1[1]->setText(u"77"_s);
                                  screen.Command2->click();
                              },
                              withRecord3(77)},
                    WriteCase{"Delete", [](FrmData& screen) { screen.Command3->click(); }, withRecord3(-1)}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });
} // namespace
