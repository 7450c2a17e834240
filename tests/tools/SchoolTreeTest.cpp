// The demo school tree: every file is readable the way the program reads it.

#include "SchoolTree.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(path);
        return {};
    }
    return file.readAll();
}

// The items of a text file of the tree, after checking its text form:
// valid code page 932 and CR LF after every line.
QList<QStringList> readItemLines(const QString& path)
{
    const QByteArray bytes = readBytes(path);
    const QString text = decodeCp932(bytes);
    EXPECT_EQ(encodeCp932(text), bytes) << "not clean code page 932: " << qPrintable(path);
    EXPECT_TRUE(bytes.endsWith("\r\n")) << qPrintable(path);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "bare LF in " << qPrintable(path);
    return parseItemLines(text);
}

int gradeNumber(int birthYear, const QDate& today)
{
    const int schoolYear = today.month() < 4 ? today.year() - 1 : today.year();
    return schoolYear - birthYear - 6;
}

bool isTeacher(const QString& name) { return name.contains(u"先生"_s) || name.contains(u'★'); }

class DemoSchoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temporary.isValid());
        root = temporary.path() + u"/school"_s;
        ASSERT_EQ(writeDemoSchool(root, {QDate(2025, 6, 10)}), QString());
    }

    QString soundFolder() const { return dataRoot(root) + u"音フォルダ/"_s; }

    QTemporaryDir temporary;
    QString root;
};

TEST_F(DemoSchoolTest, PathFileNamesTheDataRoot)
{
    const QStringList items = parseItems(decodeCp932(readBytes(root + u"/パスデータ.txt"_s)));
    ASSERT_EQ(items.size(), 10);
    EXPECT_EQ(items[0], dataRoot(root));
    EXPECT_TRUE(items[0].endsWith(u'/'));
    EXPECT_TRUE(QFileInfo::exists(items[0] + u"共通データ.txt"_s));
    EXPECT_TRUE(QFileInfo(programFolder(root)).isDir());
    readItemLines(root + u"/パスデータ.txt"_s);
}

TEST_F(DemoSchoolTest, CommonSettingsHoldStartMonthSchoolAndPassword)
{
    QStringList items;
    for (const QStringList& line : readItemLines(dataRoot(root) + u"共通データ.txt"_s)) {
        EXPECT_EQ(line.size(), 1) << "one item per line";
        items << line;
    }
    ASSERT_EQ(items.size(), 10);
    EXPECT_EQ(items[0], u"4"_s);
    // A nonzero five-digit school code, then the school name.
    EXPECT_GT(leadingNumber(items[1].left(5)), 0);
    EXPECT_FALSE(items[1].mid(5).isEmpty());
    EXPECT_FALSE(items[1].mid(5).at(0).isDigit());
    EXPECT_FALSE(items[5].isEmpty());
}

TEST_F(DemoSchoolTest, CriteriaTableHasTitlesAndFiveSensibleLevels)
{
    const QList<QStringList> lines = readItemLines(dataRoot(root) + u"ミナモドリル/タイム回数データ.txt"_s);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0].mid(0, 9),
              (QStringList{u"目標Time"_s, u"最低Time"_s, u"ｸﾘｱﾎﾟｲﾝﾄ"_s, u"ｸﾘｱ回数"_s, u"ﾎﾟｲﾝﾄ倍率"_s,
                           u"禁回"_s, u"禁点"_s, u"判期間"_s, u"禁期間"_s}));
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        const QStringList& values = lines[level];
        ASSERT_EQ(values.size(), 12);
        for (int column = 0; column < 9; ++column) {
            bool ok = false;
            values[column].toDouble(&ok);
            EXPECT_TRUE(ok) << "column " << column + 1 << ": " << qPrintable(values[column]);
        }
        EXPECT_EQ(values.mid(9), (QStringList{{}, {}, {}}));
        // The minimum time is the slower line: a pass at the target time must be possible.
        EXPECT_GT(values[1].toInt(), values[0].toInt());
        EXPECT_GT(values[7].toInt(), 0) << "a judgement period of 0 days can never be passed";
    }
}

// Whole-program tests shorten one level's time limit; the rest of the table
// stays the demo's.
TEST(DemoSchoolCriteriaTest, MinimumTimeOfOneLevelCanBeSet)
{
    QTemporaryDir temporary;
    const QString plain = temporary.path() + u"/plain"_s, quick = temporary.path() + u"/quick"_s;
    ASSERT_EQ(writeDemoSchool(plain, {QDate(2025, 6, 10)}), QString());
    ASSERT_EQ(writeDemoSchool(quick, {QDate(2025, 6, 10), 0, {{1, 2}}}), QString());
    const auto table = [](const QString& root) {
        return readItemLines(dataRoot(root) + u"ミナモドリル/タイム回数データ.txt"_s);
    };
    QList<QStringList> expected = table(plain);
    ASSERT_EQ(expected.size(), 6);
    expected[1][1] = u"2"_s;
    EXPECT_EQ(table(quick), expected);

    for (const QMap<int, int>& refused : {QMap<int, int>{{0, 2}}, QMap<int, int>{{6, 2}}, QMap<int, int>{{1, 0}}}) {
        const QString root = temporary.path() + u"/refused"_s;
        EXPECT_NE(writeDemoSchool(root, {QDate(2025, 6, 10), 0, refused}), QString()) << refused.firstKey();
        EXPECT_FALSE(QFileInfo::exists(root)) << "nothing written before the check";
    }
}

// The roster must give the name list something to show in every class
// choice, on either side of the school year's start.
TEST(DemoSchoolRosterTest, SpansKindergartenToSecondaryPlusTeachers)
{
    for (const QDate today : {QDate(2025, 3, 31), QDate(2025, 4, 1)}) {
        SCOPED_TRACE(qPrintable(today.toString(Qt::ISODate)));
        QTemporaryDir temporary;
        ASSERT_EQ(writeDemoSchool(temporary.path(), {today}), QString());

        QSet<int> studentNumbers, studentGrades, statuses;
        int teachers = 0;
        const QList<QStringList> lines = readItemLines(dataRoot(temporary.path()) + u"新名簿.txt"_s);
        EXPECT_GE(lines.size(), 30);
        for (const QStringList& fields : lines) {
            ASSERT_EQ(fields.size(), 8) << qPrintable(fields.join(u','));
            const int number = fields[0].toInt();
            const QString name = fields[4];
            const int grade = gradeNumber(fields[1].toInt(), today);
            EXPECT_TRUE(number >= 1 && number <= 5000) << number;
            EXPECT_FALSE(studentNumbers.contains(number)) << "duplicate number " << number;
            studentNumbers << number;
            // The name column of a two-character grade label holds six characters.
            EXPECT_TRUE(!name.isEmpty() && name.size() <= 6) << qPrintable(name);
            EXPECT_FALSE(name.contains(u'*') || name.contains(u'/')) << qPrintable(name);
            statuses << fields[5].toInt();
            if (isTeacher(name)) {
                ++teachers;
                EXPECT_GE(grade, 18) << qPrintable(name);
            } else {
                EXPECT_LE(grade, 9) << qPrintable(name);
                studentGrades << grade;
            }
        }
        EXPECT_GE(teachers, 2);
        EXPECT_TRUE(std::any_of(studentGrades.begin(), studentGrades.end(), [](int g) { return g <= 0; }));
        for (int grade = 1; grade <= 9; ++grade)
            EXPECT_TRUE(studentGrades.contains(grade)) << "no student in grade " << grade;
        EXPECT_EQ(statuses, (QSet<int>{0, 1, 2}));
    }
}

struct WavFacts {
    bool validHeader = false;
    double seconds = 0;
    qint16 firstSample = 0;
    qint16 lastSample = 0;
};

// Reads the canonical 44-byte header of a PCM 16-bit mono 22050 Hz file.
WavFacts readWav(const QByteArray& bytes)
{
    WavFacts facts;
    if (bytes.size() < 46)
        return facts;
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const quint32 dataSize = u32(40);
    facts.validHeader = bytes.startsWith("RIFF") && u32(4) == quint32(bytes.size() - 8)
                        && bytes.mid(8, 8) == "WAVEfmt " && u32(16) == 16 && u16(20) == 1 && u16(22) == 1
                        && u32(24) == 22050 && u32(28) == 44100 && u16(32) == 2 && u16(34) == 16
                        && bytes.mid(36, 4) == "data" && dataSize == quint32(bytes.size() - 44);
    facts.seconds = dataSize / 2 / 22050.0;
    facts.firstSample = qint16(u16(44));
    facts.lastSample = qint16(u16(bytes.size() - 2));
    return facts;
}

void expectPlayableWav(const QString& path)
{
    SCOPED_TRACE(qPrintable(path));
    const WavFacts wav = readWav(readBytes(path));
    EXPECT_TRUE(wav.validHeader);
    EXPECT_TRUE(wav.seconds >= 0.2 && wav.seconds <= 0.8) << wav.seconds << " s";
    // Faded in and out: no click at either end.
    EXPECT_LT(std::abs(wav.firstSample), 300);
    EXPECT_LT(std::abs(wav.lastSample), 300);
}

TEST_F(DemoSchoolTest, SoundTableNamesPlayableRecordingsOfEveryCategory)
{
    const QStringList categories{u"正解音1"_s, u"正解音2"_s, u"間違い音1"_s, u"間違い音2"_s,
                                 u"最高音1"_s, u"最高音2"_s, u"自己最高音1"_s, u"自己最高音2"_s,
                                 u"自己最高音3"_s, u"不合格音1"_s};
    QStringList items;
    for (const QStringList& line : readItemLines(soundFolder() + u"新音ファイル.txt"_s))
        items << line;

    for (const QString& category : categories) {
        SCOPED_TRACE(qPrintable(category));
        const qsizetype start = items.indexOf(category);
        ASSERT_GE(start, 0) << "no block";
        const qsizetype end = items.indexOf(u"*"_s, start);
        ASSERT_GT(end, start) << "block not closed by *";
        const QStringList names = items.mid(start + 1, end - start - 1);
        EXPECT_TRUE(names.size() >= 1 && names.size() <= 3) << names.size();
        QSet<QByteArray> recordings;
        for (const QString& name : names) {
            EXPECT_FALSE(categories.contains(name));
            expectPlayableWav(soundFolder() + name + u".wav"_s);
            recordings << readBytes(soundFolder() + name + u".wav"_s);
        }
        EXPECT_EQ(recordings.size(), names.size()) << "recordings of one category must differ";
    }
    for (const QString& fixed : {u"警告1.wav"_s, u"最高1.wav"_s, u"合格.wav"_s})
        expectPlayableWav(soundFolder() + fixed);
}

TEST_F(DemoSchoolTest, MenuStandInLogsEachStartWithItsArgument)
{
    const QString menu = root + u"/起動/プログラムメニューc.exe"_s;
    for (const QString& argument : {u"001"_s, u"002"_s}) {
        QProcess process;
        process.setWorkingDirectory(programFolder(root));
        process.start(u"../起動/プログラムメニューc.exe"_s, {argument});
        ASSERT_TRUE(process.waitForFinished(10000)) << qPrintable(process.errorString());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }
    EXPECT_EQ(readBytes(root + u"/起動/menu-started.log"_s), QByteArray("001\n002\n"));
    // rwxr-xr-x: owner, group and other bits only.
    EXPECT_EQ(QFileInfo(menu).permissions() & QFileDevice::Permissions(0x7077), QFileDevice::Permissions(0x7055));
}

// The program reads the path file from its own folder, whatever the
// working folder was when the tree was written.
TEST(DemoSchoolPathTest, RelativeRootIsWrittenAsAbsoluteDataRoot)
{
    QTemporaryDir temporary;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(temporary.path()));
    const QString error = writeDemoSchool(u"school"_s, {QDate(2025, 6, 10)});
    QDir::setCurrent(previous);
    ASSERT_EQ(error, QString());
    const QString expected = dataRoot(QDir(temporary.path()).absoluteFilePath(u"school"_s));
    EXPECT_EQ(parseItems(decodeCp932(readBytes(temporary.path() + u"/school/パスデータ.txt"_s))).value(0), expected);
}

TEST(DemoSchoolPathTest, RefusesWhatItCannotWrite)
{
    QTemporaryDir temporary;
    QFile blocker(temporary.path() + u"/file"_s);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const struct {
        const char* what;
        QString root;
        QDate today;
    } cases[] = {
        {"root below a plain file", blocker.fileName() + u"/school"_s, QDate(2025, 6, 10)},
        {"path outside code page 932", temporary.path() + u"/학교"_s, QDate(2025, 6, 10)},
        {"no date", temporary.path() + u"/school"_s, QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(writeDemoSchool(c.root, {c.today}), QString());
    }
    EXPECT_FALSE(QFileInfo::exists(temporary.path() + u"/학교"_s)) << "nothing written before the check";
}

} // namespace

#include "results/ResultRecord.h"

namespace {
TEST(DemoSchoolHistoryTest, RecordsPlausibleRunsOfListedChildrenOnPastSchoolDays)
{
    QTemporaryDir temporary;
    const QDate today(2025, 6, 10);
    const QString root = temporary.path() + u"/school"_s;
    ASSERT_EQ(writeDemoSchool(root, {today, 14}), QString());

    const QByteArray bytes = readBytes(dataRoot(root) + u"ミナモドリル/成績累積データ.dat"_s);
    ASSERT_GT(bytes.size(), 100 * kRecordSize);
    ASSERT_EQ(bytes.size() % kRecordSize, 0);
    QSet<double> days;
    int timeOuts = 0;
    for (qsizetype offset = 0; offset < bytes.size(); offset += kRecordSize) {
        const ResultRecord record = decodeRecord(bytes.constData() + offset);
        EXPECT_TRUE(isValidRecord(record.numbers()));
        EXPECT_GE(record.EntryDate, entryDateOf(today.addDays(-14)));
        EXPECT_LT(record.EntryDate, entryDateOf(today));
        EXPECT_TRUE(record.StudentNo >= 1 && record.StudentNo <= 42) << "no teacher practises";
        EXPECT_NE(record.StudentNo, 36) << "a child who is not listed has no runs";
        EXPECT_TRUE(record.Level >= 1 && record.Level <= 5);
        EXPECT_TRUE(record.Seconds == 99999 || (record.Seconds >= 20 && record.Seconds <= 120)) << record.Seconds;
        EXPECT_EQ(record.ExtraA, "12345");
        days.insert(record.EntryDate);
        timeOuts += record.Seconds == 99999;
    }
    EXPECT_EQ(days.size(), 12); // fourteen days less two Sundays
    EXPECT_GT(timeOuts, 0);
}
} // namespace
