// The graphs printed by the program's printing code through the real
// printing adapter: run by graph_print_queue_test.sh against a CUPS server
// of its own, once with a cups-pdf queue as the default and once without
// any queue.
#include "foundation/LevelCatalogue.h"
#include "platform/QtPrinting.h"
#include "student_menu/GraphPrinting.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QImage>
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

};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Printers cannot print the outer few millimetres of a sheet.
constexpr double kLeastMarginPoints = 5 / 25.4 * 72;
const QRectF kInsideTheMargins = QRectF(0, 0, 595.28, 841.89).adjusted(kLeastMarginPoints, kLeastMarginPoints,
                                                                        -kLeastMarginPoints, -kLeastMarginPoints);

// Everything drawn on each page of the PDF (the frame lines, the dots, the
// texts) lies inside the margins: pages at 72 dots an inch, one dot a point.
void expectInkInsideTheMargins(const QString& pdf)
{
    QTemporaryDir folder;
    run(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-gray"_s, u"-png"_s, pdf, folder.filePath(u"page"_s)});
    const QStringList pages = QDir(folder.path()).entryList({u"page*.png"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 2) << pdf.toStdString();
    for (const QString& page : pages) {
        const QImage sheet(folder.filePath(page));
        QRect ink;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (qGray(sheet.pixel(x, y)) < 224)
                    ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isEmpty()) << page.toStdString();
        EXPECT_TRUE(kInsideTheMargins.contains(QRectF(ink))) << page.toStdString() << " ink at " << ink.left() << ","
                                                              << ink.top() << " to " << ink.right() << ","
                                                              << ink.bottom();
        // The frame lines run across the page: nearly from margin to margin.
        EXPECT_LT(ink.left(), kInsideTheMargins.left() + 20);
        EXPECT_GT(ink.right(), kInsideTheMargins.right() - 20);
    }
}

// The first word on the first page is the student's family name, and every
// word of the document lies inside the margins.
void expectWordsInsideTheMargins(const QString& pdf, const QString& firstWord)
{
    const QString boxes = run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    int words = 0;
    for (const QRegularExpressionMatch& box : word.globalMatch(boxes)) {
        const QRectF place(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                           QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
        if (words++ == 0) {
            EXPECT_EQ(box.captured(5), firstWord);
        }
        EXPECT_TRUE(kInsideTheMargins.contains(place))
            << box.captured(5).toStdString() << " at " << place.left() << "," << place.top();
    }
    EXPECT_GT(words, 20);
}

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
        expectInkInsideTheMargins(path);
        expectWordsInsideTheMargins(path, file.mid(3).section(u'　', 0, 0));
        const QString text = run(u"pdftotext"_s, {path, u"-"_s});
        // pdftotext breaks a name at its full-width space.
        QStringList expectedTexts = file.mid(3).chopped(4).split(u'　');
        expectedTexts << u"回数"_s << u"順位"_s << u"(塾平均)"_s << u"繰り上がりなし"_s;
        for (const QString& expected : expectedTexts)
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
}
// Run by the script once the queue has written the PDFs of the printed
// documents, named one a line in QUEUED_PDFS.
TEST(QueuedGraphs, StayInsideTheMargins)
{
    const QStringList pdfs = qEnvironmentVariable("QUEUED_PDFS").split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(pdfs.size(), 2);
    for (const QString& pdf : pdfs)
        expectInkInsideTheMargins(pdf);
}
} // namespace
