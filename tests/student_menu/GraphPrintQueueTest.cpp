// The graphs printed by the program's printing code through the real
// printing adapter: run by graph_print_queue_test.sh against a CUPS server
// of its own, once with a cups-pdf queue as the default and once without
// any queue.
#include "foundation/LevelCatalogue.h"
#include "platform/QtPrinting.h"
#include "student_menu/GraphPrinting.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QDate kToday(2026, 12, 10);

class GraphPrintQueue : public ::testing::Test {
protected:
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    std::vector<LoadedResult> records;
    QtPrinting printing;

    void SetUp() override
    {
        fillLevelCatalogue(*state);
        state->ProgramTitle = u"ミナモドリル"_s;
        state->SchoolYear = 2026;
        for (const auto& [student, name] : {std::pair{21, u"清水　心春"_s}, {22, u"山崎　陸"_s}}) {
            state->RosterNumbers.push_back(student);
            state->StudentNames[student] = name.leftJustified(20);
            state->StudentBirthYears[student] = 2026 - 2 - 6;
            for (int level = 1; level <= 4; ++level)
                for (int day = 0; day < 6; ++day)
                    records.push_back({entryDateOf(kToday.addDays(day - 6)), 0.5, static_cast<std::int16_t>(student),
                                       static_cast<std::int16_t>(level), 70 - 5 * day + level});
        }
    }

    // Two students, levels 1..4: three graphs on the first page, one on the second.
    QString printBoth(const QString& pdfFolder)
    {
        const ListingInputs listing{*state, u"全学年"_s, state->LevelCount, kToday};
        const GraphPrintJob job{GraphRequest{listing, records, 0, 1, {1, 2, 3, 4}}, {21, 22}, u"IPAGothic"_s,
                                pdfFolder};
        return printGraphs(printing, job, {});
    }

    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

// The script checks the queue's PDFs: two jobs of two pages each.
TEST_F(GraphPrintQueue, TwoStudentsOfFourLevelsGoToTheDefaultPrinter)
{
    ASSERT_FALSE(printing.defaultPrinterName().isEmpty());
    QTemporaryDir unused;
    EXPECT_EQ(printBoth(unused.path() + u"/グラフ印刷/"_s), QString());
    EXPECT_TRUE(QDir(unused.path()).isEmpty());
}

TEST_F(GraphPrintQueue, WithoutAPrinterEachStudentIsAPdfFileOfTwoPages)
{
    ASSERT_TRUE(printing.defaultPrinterName().isEmpty());
    QTemporaryDir data;
    const QString folder = data.path() + u"/ミナモドリル/グラフ印刷/20261210_101500/"_s;
    const QString message = printBoth(folder);
    EXPECT_TRUE(message.contains(folder)) << message.toStdString();

    const QStringList files = QDir(folder).entryList({u"*.pdf"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(files, QStringList({u"21_清水　心春.pdf"_s, u"22_山崎　陸.pdf"_s}));
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString path = folder + file;
        EXPECT_TRUE(run(u"pdfinfo"_s, {path}).contains(QRegularExpression(u"Pages:\\s+2\\n"_s)));
        const QString text = run(u"pdftotext"_s, {path, u"-"_s});
        // pdftotext breaks a name at its full-width space.
        QStringList expectedTexts = file.mid(3).chopped(4).split(u'　');
        expectedTexts << u"回数"_s << u"順位"_s << u"(塾平均)"_s << u"繰り上がりなし"_s;
        for (const QString& expected : expectedTexts)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
}
} // namespace
