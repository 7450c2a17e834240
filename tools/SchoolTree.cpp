#include "SchoolTree.h"

#include "foundation/ProgramContext.h"
#include "platform/TextFile.h"
#include "results/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kProgramFolderName = u"ミナモドリル"_s;
const QString kDataFolderName = u"データ"_s;
const QString kSoundFolderName = u"音フォルダ"_s;
const QString kMenuFolderName = u"起動"_s;

// ---------------------------------------------------------------- files

QString joinPath(const QString& folder, const QString& name)
{
    const QString base = QDir::cleanPath(folder);
    return base.endsWith(u'/') ? base + name : base + u'/' + name;
}

QString makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return u"Cannot create the folder %1"_s.arg(path);
    return {};
}

QString writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return u"Cannot write %1: %2"_s.arg(path, file.errorString());
    if (file.write(bytes) != bytes.size())
        return u"Cannot write %1: %2"_s.arg(path, file.errorString());
    return {};
}

// A character outside code page 932 would reach the program as something
// else, so such text is refused instead of written.
bool fitsCp932(const QString& text) { return decodeCp932(encodeCp932(text)) == text; }

// The tree's text form: code page 932, CR LF after every line.
QString writeTextFile(const QString& path, const QStringList& lines)
{
    if (!std::all_of(lines.begin(), lines.end(), fitsCp932))
        return u"Text outside code page 932 in %1"_s.arg(path);
    return writeBytes(path, encodeLines(lines));
}

// -------------------------------------------------------- settings files

QStringList pathFileLines(const QString& dataRootPath)
{
    // Quoted, so that a comma in the folder path stays part of item 1.
    QStringList lines{u'"' + dataRootPath + u'"'};
    while (lines.size() < 10)
        lines << u"0"_s;
    return lines;
}

constexpr int kSchoolYearStartMonth = 4;
const QString kDemoSchoolCode = u"12345"_s;

QStringList commonSettingsLines()
{
    return {QString::number(kSchoolYearStartMonth),
            u'"' + kDemoSchoolCode + u"みなも塾\""_s, // school code, then the school name
            u"1"_s,                 // status 2 students are listed
            u"0"_s, u"0"_s,
            u"\"1234\""_s,          // teacher password
            u"0"_s, u"0"_s, u"0"_s, u"0"_s};
}

// ------------------------------------------------------------------ roster

struct RosterPerson {
    int studentNo;
    QString name;
    int gradeNumber; // 0 and below kindergarten, 1..6 primary, 7..9 lower secondary
    int status;      // 0 listed, 2 listed under the school's switch, 1 not listed
};

constexpr int kTeacherGrade = 30; // an adult's birth year

QList<RosterPerson> rosterPeople()
{
    return {
        {1, u"佐藤　大翔"_s, 9, 0},   {2, u"鈴木　美咲"_s, 9, 0},   {3, u"高橋　蓮"_s, 8, 0},
        {4, u"田中　陽菜"_s, 8, 0},   {5, u"伊藤　湊"_s, 7, 0},     {6, u"渡辺　結菜"_s, 7, 0},
        {7, u"山本　悠真"_s, 6, 0},   {8, u"中村葵"_s, 6, 0},       {9, u"小林　陽翔"_s, 6, 0},
        {10, u"加藤　凛"_s, 5, 0},    {11, u"吉田芽依"_s, 5, 0},    {12, u"山田　樹"_s, 5, 0},
        {15, u"佐々木　結"_s, 4, 0},  {16, u"山口　蒼"_s, 4, 0},    {17, u"松本　咲良"_s, 4, 0},
        {18, u"井上大和"_s, 3, 0},    {19, u"木村　莉子"_s, 3, 0},  {20, u"林　悠人"_s, 3, 0},
        {21, u"清水　心春"_s, 2, 0},  {22, u"山崎　陸"_s, 2, 0},    {23, u"森　陽葵"_s, 2, 0},
        {24, u"池田　颯"_s, 1, 0},    {25, u"橋本紬"_s, 1, 0},      {26, u"阿部　湊斗"_s, 1, 0},
        {30, u"石川　凪"_s, 0, 0},    {31, u"前田　杏"_s, 0, 0},    {32, u"藤田　律"_s, -1, 0},
        {33, u"小川　澪"_s, -2, 0},   {34, u"岡田　奏太"_s, 7, 2},  {35, u"後藤　美羽"_s, 3, 2},
        {36, u"長谷川　碧"_s, 9, 1},  {37, u"村上　紗良"_s, 6, 0},  {38, u"近藤　晴"_s, 4, 0},
        {39, u"石井ひなた"_s, 2, 0},  {40, u"坂本　拓海"_s, 8, 0},  {41, u"西村　蒼空"_s, 5, 0},
        {42, u"福田　一花"_s, 1, 0},
        {90, u"★田中先生"_s, kTeacherGrade, 0},
        {91, u"山本先生"_s, kTeacherGrade + 8, 0},
        {92, u"★佐藤　恵"_s, kTeacherGrade + 3, 0},
    };
}

int schoolYearOf(const QDate& today)
{
    return today.month() < kSchoolYearStartMonth ? today.year() - 1 : today.year();
}

QString rosterLine(const RosterPerson& person, int schoolYear)
{
    const int birthYear = schoolYear - person.gradeNumber - 6;
    return u"%1,%2,0,0,\"%3\",%4,\"\",\"\""_s.arg(person.studentNo).arg(birthYear).arg(person.name).arg(person.status);
}

QStringList rosterLines(const QDate& today)
{
    QStringList lines;
    for (const RosterPerson& person : rosterPeople())
        lines << rosterLine(person, schoolYearOf(today));
    return lines;
}

// ---------------------------------------------------------- criteria table

struct DemoCriteria {
    int targetTime, minimumTime, clearPoints, clearCount;
    const char* multiplier;
    int limitCount, limitPoints, judgeDays, limitDays;
};

// Levels 1..5 of 20 single-digit problems: later levels allow more time
// and ask for more points and runs before a pass.
constexpr DemoCriteria kDemoCriteria[] = {
    {30, 60, 50, 3, "1", 0, 0, 7, 1},      {35, 60, 80, 5, "1", 10, 0, 7, 1},
    {40, 70, 100, 5, "1", 0, 400, 10, 1},  {50, 90, 120, 8, "1.5", 15, 0, 14, 1},
    {60, 120, 150, 10, "1.5", 20, 600, 14, 1},
};
constexpr int kDemoLevels = std::size(kDemoCriteria);

QStringList criteriaLines(const QMap<int, int>& minimumTimes)
{
    QStringList lines{u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"_s};
    for (int number = 1; number <= kDemoLevels; ++number) {
        const DemoCriteria& level = kDemoCriteria[number - 1];
        lines << u"%1,%2,%3,%4,%5,%6,%7,%8,%9,,,"_s.arg(level.targetTime)
                     .arg(minimumTimes.value(number, level.minimumTime))
                     .arg(level.clearPoints)
                     .arg(level.clearCount)
                     .arg(QLatin1String(level.multiplier))
                     .arg(level.limitCount)
                     .arg(level.limitPoints)
                     .arg(level.judgeDays)
                     .arg(level.limitDays);
    }
    return lines;
}

// ------------------------------------------------------------ run history

// The tool has no windows: a results-file failure is printed instead.
class ConsoleDialogs final : public Dialogs {
public:
    void showMessage(const QString& text, const QString& title) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askOkCancel(const QString&, const QString&) override { return false; }
};

// The level a child of a grade works on: one more every two grades.
int levelForGrade(int gradeNumber) { return std::clamp(1 + gradeNumber / 2, 1, kDemoLevels); }

// Children come on about two school days in three, do one or two runs and
// get faster over the weeks; now and then a run times out.
std::vector<ResultRecord> runHistory(const QDate& today, int days, const QString& schoolCode)
{
    std::mt19937 random(static_cast<unsigned>(today.toJulianDay()));
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    std::vector<ResultRecord> records;
    for (int back = days; back >= 1; --back) {
        const QDate day = today.addDays(-back);
        if (day.dayOfWeek() == Qt::Sunday)
            continue;
        const double progress = 1.0 - static_cast<double>(back) / days;
        for (const RosterPerson& person : rosterPeople()) {
            if (person.status == 1 || person.gradeNumber >= kTeacherGrade || !chance(65))
                continue;
            const int level = levelForGrade(person.gradeNumber);
            const int target = kDemoCriteria[level - 1].targetTime;
            for (int run = 0, runs = chance(50) ? 2 : 1; run < runs; ++run) {
                ResultRecord record;
                record.EntryDate = entryDateOf(day);
                record.EntryTime = entryTimeOf(QTime(15 + run, static_cast<int>(random() % 60)));
                record.StudentNo = static_cast<std::int16_t>(person.studentNo);
                record.Level = static_cast<std::int16_t>(level);
                const double pace = (1.6 - 0.7 * progress) * (0.85 + (random() % 31) / 100.0);
                record.Seconds = chance(4) ? kNoTime : static_cast<int>(target * pace);
                record.ExtraA = recordText(schoolCode);
                records.push_back(record);
            }
        }
    }
    return records;
}

// Appends the history the way the program records a run: through the
// locked append of the results file.
QString writeRunHistory(const QString& programData, const QDate& today, int days)
{
    ConsoleDialogs console;
    ProgramContext program(&console);
    program.state().ProgramDataFolder = programData + u'/';
    program.state().ProgramTitle = u"make_demo_school"_s;
    for (const ResultRecord& record : runHistory(today, days, kDemoSchoolCode))
        appendRecord(program.context(), record);
    return {};
}

// ------------------------------------------------------------- recordings

constexpr int kSampleRate = 22050;
constexpr double kFadeSeconds = 0.008;
constexpr double kPeakLevel = 0.5;

enum class Timbre { Chime, Buzz, Beep, Soft, Brass, Rest };

struct Tone {
    double startHz;
    double endHz; // the pitch glides from startHz to endHz
    double seconds;
    Timbre timbre;
};
using Recording = QList<Tone>;

double pitchHz(double semitonesAboveA4) { return 440.0 * std::pow(2.0, semitonesAboveA4 / 12.0); }

Tone note(double semitonesAboveA4, double seconds, Timbre timbre)
{
    const double hz = pitchHz(semitonesAboveA4);
    return {hz, hz, seconds, timbre};
}

double waveShape(Timbre timbre, double phase)
{
    switch (timbre) {
    case Timbre::Chime:
        return (std::sin(phase) + 0.4 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase)) / 1.6;
    case Timbre::Buzz:
        return std::tanh(3.0 * std::sin(phase)); // nearly square, harsh on purpose
    case Timbre::Brass: {
        double sum = 0;
        for (int harmonic = 1; harmonic <= 6; ++harmonic)
            sum += std::sin(harmonic * phase) / harmonic;
        return sum / 1.8;
    }
    case Timbre::Beep:
    case Timbre::Soft:
        return std::sin(phase);
    case Timbre::Rest:
        return 0.0;
    }
    return 0.0;
}

// Short fades at both ends against clicks; chimes and soft tones also die away.
double envelope(Timbre timbre, double t, double seconds)
{
    const double fade = std::clamp(std::min(t, seconds - t) / kFadeSeconds, 0.0, 1.0);
    switch (timbre) {
    case Timbre::Chime:
        return fade * std::exp(-4.0 * t);
    case Timbre::Soft:
        return fade * 0.6 * std::exp(-2.0 * t);
    default:
        return fade;
    }
}

void appendTone(QList<qint16>& samples, const Tone& tone)
{
    const int count = qRound(tone.seconds * kSampleRate);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double hz = tone.startHz + (tone.endHz - tone.startHz) * i / count;
        const double level = kPeakLevel * envelope(tone.timbre, t, tone.seconds) * waveShape(tone.timbre, phase);
        samples << qint16(qRound(level * 32767));
        phase += 2 * std::numbers::pi * hz / kSampleRate;
    }
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// RIFF/WAVE, PCM 16-bit mono.
QByteArray wavFile(const Recording& recording)
{
    QList<qint16> samples;
    for (const Tone& tone : recording)
        appendTone(samples, tone);
    constexpr quint32 channels = 1;
    constexpr quint32 bitsPerSample = 16;
    constexpr quint32 blockAlign = channels * bitsPerSample / 8;
    const quint32 dataSize = quint32(samples.size()) * blockAlign;

    QByteArray bytes;
    bytes += "RIFF";
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVE";
    bytes += "fmt ";
    appendLittleEndian(bytes, 16, 4); // size of the format chunk
    appendLittleEndian(bytes, 1, 2);  // PCM
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, kSampleRate, 4);
    appendLittleEndian(bytes, kSampleRate * blockAlign, 4); // bytes per second
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, bitsPerSample, 2);
    bytes += "data";
    appendLittleEndian(bytes, dataSize, 4);
    for (qint16 sample : samples)
        appendLittleEndian(bytes, quint16(sample), 2);
    return bytes;
}

// The recordings of one category differ by `variant`: each one sits two
// semitones above the previous one.

Recording risingChime(int interval, int variant)
{
    const int first = 15 + 2 * variant; // from C6
    return {note(first, 0.12, Timbre::Chime), note(first + interval, 0.30, Timbre::Chime)};
}

Recording fallingBuzz(bool twice, int variant)
{
    const Tone buzz{pitchHz(-14 - variant), pitchHz(-21 - variant), twice ? 0.18 : 0.45, Timbre::Buzz};
    if (!twice)
        return {buzz};
    return {buzz, Tone{0, 0, 0.06, Timbre::Rest}, buzz};
}

Recording fanfare(const QList<int>& steps, Timbre timbre, double lastSeconds, int variant)
{
    const int root = 3 + 2 * variant; // from C5
    Recording recording;
    for (qsizetype i = 0; i < steps.size(); ++i)
        recording << note(root + steps[i], i + 1 < steps.size() ? 0.1 : lastSeconds, timbre);
    return recording;
}

Recording softFall(int variant)
{
    const int top = 7 - variant; // from E5 down
    return {note(top, 0.2, Timbre::Soft), note(top - 4, 0.2, Timbre::Soft), note(top - 7, 0.25, Timbre::Soft)};
}

struct SoundCategory {
    QString name;     // as the sound table names it
    QString baseName; // recordings are baseName + "a", "b", "c"
    int recordingCount;
    std::function<Recording(int variant)> compose;
};

QList<SoundCategory> soundCategories()
{
    using std::placeholders::_1;
    return {
        {u"正解音1"_s, u"seikai1"_s, 2, std::bind(risingChime, 7, _1)},
        {u"正解音2"_s, u"seikai2"_s, 3, std::bind(risingChime, 4, _1)},
        {u"間違い音1"_s, u"batu1"_s, 2, std::bind(fallingBuzz, true, _1)},
        {u"間違い音2"_s, u"batu2"_s, 3, std::bind(fallingBuzz, false, _1)},
        {u"最高音1"_s, u"saikou1"_s, 1, std::bind(fanfare, QList<int>{0, 4, 7, 12}, Timbre::Brass, 0.3, _1)},
        {u"最高音2"_s, u"saikou2"_s, 1, std::bind(fanfare, QList<int>{0, 7, 12}, Timbre::Brass, 0.35, _1)},
        {u"自己最高音1"_s, u"jiko1"_s, 2, std::bind(fanfare, QList<int>{0, 4, 7}, Timbre::Chime, 0.3, _1)},
        {u"自己最高音2"_s, u"jiko2"_s, 3, std::bind(fanfare, QList<int>{0, 4, 7, 12}, Timbre::Chime, 0.3, _1)},
        {u"自己最高音3"_s, u"jiko3"_s, 1, std::bind(fanfare, QList<int>{0, 5, 9, 12}, Timbre::Chime, 0.3, _1)},
        {u"不合格音1"_s, u"fugoukaku1"_s, 2, softFall},
    };
}

QString recordingName(const SoundCategory& category, int variant)
{
    return category.baseName + QChar(u'a' + variant);
}

// Files that the program plays by their own name.
QList<std::pair<QString, Recording>> fixedRecordings()
{
    return {
        {u"警告1.wav"_s, {note(15, 0.25, Timbre::Beep)}},
        {u"最高1.wav"_s, fanfare({0, 7, 12, 16}, Timbre::Brass, 0.3, 0)},
        {u"合格.wav"_s, fanfare({0, 4, 7, 12, 16}, Timbre::Brass, 0.35, 0)},
    };
}

QStringList soundTableLines()
{
    QStringList lines;
    for (const SoundCategory& category : soundCategories()) {
        QStringList items{category.name};
        for (int variant = 0; variant < category.recordingCount; ++variant)
            items << recordingName(category, variant);
        lines << (items << u"*"_s).join(u',');
    }
    return lines;
}

QString writeRecordings(const QString& soundFolder)
{
    for (const SoundCategory& category : soundCategories()) {
        for (int variant = 0; variant < category.recordingCount; ++variant) {
            const QString path = joinPath(soundFolder, recordingName(category, variant) + u".wav"_s);
            if (QString error = writeBytes(path, wavFile(category.compose(variant))); !error.isEmpty())
                return error;
        }
    }
    for (const auto& [fileName, recording] : fixedRecordings()) {
        if (QString error = writeBytes(joinPath(soundFolder, fileName), wavFile(recording)); !error.isEmpty())
            return error;
    }
    return {};
}

// ------------------------------------------------------------- menu program

// Stands in for the school's menu program, which the drill starts when a
// child is done: it only notes each start with its arguments. A shell
// script needs LF line ends, so it is not written in the tree's text form.
QString writeMenuStandIn(const QString& menuFolder)
{
    const QString path = joinPath(menuFolder, u"プログラムメニューc.exe"_s);
    const QString script = u"#!/bin/sh\n"
                           "# Stand-in for the menu program: notes each start, then ends.\n"
                           "printf '%s\\n' \"$*\" >> \"$(dirname \"$0\")/menu-started.log\"\n"
                           "exit 0\n"_s;
    if (QString error = writeBytes(path, encodeCp932(script)); !error.isEmpty())
        return error;
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                      | QFileDevice::ExeOther;
    if (!QFile::setPermissions(path, mode))
        return u"Cannot make %1 executable"_s.arg(path);
    return {};
}

} // namespace

QString programFolder(const QString& root) { return joinPath(root, kProgramFolderName); }

QString dataRoot(const QString& root) { return joinPath(root, kDataFolderName) + u'/'; }

QString writeDemoSchool(const QString& root, const DemoSchoolOptions& options)
{
    if (!options.today.isValid())
        return u"No valid date to compute the grades from"_s;
    // The path file must name the data root absolutely: the program reads
    // it from its own folder, whatever the working folder is.
    const QString absoluteRoot = QDir::cleanPath(QDir(root).absolutePath());
    const QString data = dataRoot(absoluteRoot);
    const QString programData = joinPath(data, kProgramFolderName);
    const QString soundFolder = joinPath(data, kSoundFolderName);
    const QString menuFolder = joinPath(absoluteRoot, kMenuFolderName);
    if (!fitsCp932(data))
        return u"The path file cannot hold %1: not in code page 932"_s.arg(data);
    for (auto time = options.minimumTimes.cbegin(); time != options.minimumTimes.cend(); ++time) {
        if (time.key() < 1 || time.key() > kDemoLevels)
            return u"No level %1 in the criteria table (levels 1 to %2)"_s.arg(time.key()).arg(kDemoLevels);
        if (time.value() < 1)
            return u"A minimum time of %1 s for level %2: at least 1 s"_s.arg(time.value()).arg(time.key());
    }

    const std::function<QString()> steps[] = {
        [&] { return makeFolder(programFolder(absoluteRoot)); },
        [&] { return makeFolder(menuFolder); },
        [&] { return makeFolder(programData); },
        [&] { return makeFolder(soundFolder); },
        [&] { return writeTextFile(joinPath(absoluteRoot, u"パスデータ.txt"_s), pathFileLines(data)); },
        [&] { return writeTextFile(joinPath(data, u"共通データ.txt"_s), commonSettingsLines()); },
        [&] { return writeTextFile(joinPath(data, u"新名簿.txt"_s), rosterLines(options.today)); },
        [&] {
            return writeTextFile(joinPath(programData, u"タイム回数データ.txt"_s), criteriaLines(options.minimumTimes));
        },
        [&] { return writeTextFile(joinPath(soundFolder, u"新音ファイル.txt"_s), soundTableLines()); },
        [&] { return writeRecordings(soundFolder); },
        [&] { return writeMenuStandIn(menuFolder); },
        [&] { return options.historyDays > 0 ? writeRunHistory(programData, options.today, options.historyDays)
                                             : QString(); },
    };
    for (const auto& step : steps) {
        if (QString error = step(); !error.isEmpty())
            return error;
    }
    return {};
}
