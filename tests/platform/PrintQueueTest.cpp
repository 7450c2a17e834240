// Printing against a real CUPS server. print_queue_test.sh starts a server of
// the test's own and runs this program once for each state of it: a cups-pdf
// queue as the default (DefaultQueue, named in $DEFAULT_QUEUE), the same
// queue rejecting jobs (RefusingQueue), and no default at all
// (NoDefaultPrinter). cups-pdf writes each job's PDF into $CUPS_PDF_FOLDER as
// "<title>-job_<number>.pdf".
#include "platform/QtPrinting.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
// Each page says which it is, in the school's font, an inch from the
// sheet's top left corner; below that a black bar an inch high runs from an
// inch from the left edge, one inch long on the first page, two on the second.
const QStringList kPageTexts = {QStringLiteral("回数 1"), QStringLiteral("(塾平均) 2")};

QString environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QString::fromLocal8Bit(value) : QString();
}

// The margin on every side of the sheet: the least of 6 mm, or what the
// queue's printer needs where that is more.
double marginMm()
{
    const QString needed = environment("PRINTER_MARGIN_MM");
    return needed.isEmpty() ? 6 : needed.toDouble();
}

// What the drawing code was given as its page, seen from each page.
struct SeenSheet {
    double widthMm = 0, heightMm = 0; // from the device's dots and resolution
};

PrintDocument twoPageDocument(const QString& title, std::vector<SeenSheet>& seen)
{
    return {title, 2, [&seen](QPainter& painter, int page) {
                const QPaintDevice& device = *painter.device();
                seen.push_back({device.width() * 25.4 / device.logicalDpiX(),
                                device.height() * 25.4 / device.logicalDpiY()});
                QFont font(QStringLiteral("IPAGothic"));
                font.setPixelSize(device.logicalDpiY() / 4);
                painter.setFont(font);
                const int inchX = device.logicalDpiX(), inchY = device.logicalDpiY();
                painter.drawText(inchX, inchY, kPageTexts.value(page));
                painter.fillRect(inchX, 2 * inchY, (page + 1) * inchX, inchY, Qt::black);
            }};
}

// The drawing code is given the A4 sheet less its margins.
void expectPrintableAreas(const std::vector<SeenSheet>& seen, size_t pages)
{
    ASSERT_EQ(seen.size(), pages);
    for (const SeenSheet& sheet : seen) {
        EXPECT_NEAR(sheet.widthMm, 210 - 2 * marginMm(), 0.5);
        EXPECT_NEAR(sheet.heightMm, 297 - 2 * marginMm(), 0.5);
    }
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << qPrintable(program) << " " << qPrintable(arguments.join(' ')) << " failed: "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's pages, and the size of each in points, as poppler reads them.
struct PdfPages {
    int count = 0;
    QList<QSizeF> sizes;
};

PdfPages pdfPages(const QString& path)
{
    PdfPages pages;
    const QString info = run(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "1000", path});
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("^Pages: +(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(info);
    pages.count = count.hasMatch() ? count.captured(1).toInt() : -1;
    auto sizes = QRegularExpression(QStringLiteral("^Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"),
                                    QRegularExpression::MultilineOption)
                     .globalMatch(info);
    while (sizes.hasNext()) {
        const QRegularExpressionMatch size = sizes.next();
        pages.sizes.append({size.captured(1).toDouble(), size.captured(2).toDouble()});
    }
    return pages;
}

void expectTwoA4PortraitPages(const QString& pdf)
{
    const PdfPages pages = pdfPages(pdf);
    EXPECT_EQ(pages.count, 2);
    ASSERT_EQ(pages.sizes.size(), 2);
    for (const QSizeF& size : pages.sizes) { // 595.28 x 841.89
        EXPECT_NEAR(size.width(), 595, 1.5);
        EXPECT_NEAR(size.height(), 842, 1.5);
    }
}

// Page by page, the text pdftotext reads there.
void expectPageTexts(const QString& pdf)
{
    for (int page = 1; page <= 2; ++page) {
        const QString p = QString::number(page);
        EXPECT_EQ(run(QStringLiteral("pdftotext"), {"-f", p, "-l", p, "-enc", "UTF-8", pdf, "-"}).trimmed(),
                  kPageTexts[page - 1])
            << "page " << page;
    }
}

// Page by page, where the bar is on the sheet, in points: drawn inside the
// margins and not scaled, it is where it was drawn from the margins' corner,
// in the pages' order.
void expectPageBars(const QString& pdf)
{
    QTemporaryDir folder;
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const QString p = QString::number(page), image = folder.filePath(p);
        run(QStringLiteral("pdftoppm"), {"-f", p, "-l", p, "-r", "72", "-gray", "-png", "-singlefile", pdf, image});
        const QImage sheet(image + QStringLiteral(".png"));
        ASSERT_FALSE(sheet.isNull());
        const double margin = marginMm() / 25.4 * 72;
        QRect ink; // below the text
        for (int y = 108 + margin; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (qGray(sheet.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_NEAR(ink.left(), 72 + margin, 2);
        EXPECT_NEAR(ink.top(), 144 + margin, 2);
        EXPECT_NEAR(ink.width(), page * 72, 2);
        EXPECT_NEAR(ink.height(), 72, 2);
    }
}

struct Job {
    int id;
    QString title;
    ipp_jstate_t state;
};

std::vector<Job> serverJobs()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i)
        result.push_back({jobs[i].id, QString::fromUtf8(jobs[i].title), jobs[i].state});
    cupsFreeJobs(count, jobs);
    return result;
}

// The job's state once it has ended, or after a minute.
ipp_jstate_t endedState(int id)
{
    const QDeadlineTimer deadline(60000);
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    for (;;) {
        for (const Job& job : serverJobs())
            if (job.id == id)
                state = job.state;
        if (state >= IPP_JSTATE_STOPPED || deadline.hasExpired())
            return state;
        QThread::msleep(100);
    }
}

TEST(DefaultQueue, IsTheDefaultPrinter) { EXPECT_EQ(QtPrinting().defaultPrinterName(), environment("DEFAULT_QUEUE")); }

TEST(DefaultQueue, TwoPagesGoAsOneJobOfTwoA4PortraitPagesInsideTheMarginsNamedAfterTheTitle)
{
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    const std::vector<Job> before = serverJobs();
    std::vector<SeenSheet> seen;
    const QString title = QStringLiteral("回数グラフ 山田");
    ASSERT_EQ(QtPrinting().printOnDefaultPrinter(twoPageDocument(title, seen)), QString());
    expectPrintableAreas(seen, 2);

    std::vector<Job> added = serverJobs();
    std::erase_if(added, [&before](const Job& job) {
        return std::any_of(before.begin(), before.end(), [&job](const Job& old) { return old.id == job.id; });
    });
    ASSERT_EQ(added.size(), 1u);
    const Job& job = added.front();
    EXPECT_EQ(job.title, title);
    ASSERT_EQ(endedState(job.id), IPP_JSTATE_COMPLETED);

    const QDir folder(environment("CUPS_PDF_FOLDER"));
    const QFileInfoList pdfs = folder.entryInfoList({QStringLiteral("*-job_%1.pdf").arg(job.id)}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1) << "the job's PDF in " << qPrintable(folder.path());
    EXPECT_GE(pdfs[0].lastModified(), started);
    // cups-pdf keeps the text as drawings, which pdftotext cannot read.
    expectTwoA4PortraitPages(pdfs[0].filePath());
    expectPageBars(pdfs[0].filePath());
}

TEST(RefusingQueue, PrintSaysWhyAndMakesNoJob)
{
    const std::vector<Job> before = serverJobs();
    std::vector<SeenSheet> seen;
    const QString reason = QtPrinting().printOnDefaultPrinter(twoPageDocument(QStringLiteral("断られる"), seen));
    EXPECT_TRUE(reason.contains(environment("DEFAULT_QUEUE"))) << qPrintable(reason);
    EXPECT_TRUE(reason.contains(QStringLiteral("not accepting jobs"))) << qPrintable(reason); // CUPS's own words
    EXPECT_EQ(serverJobs().size(), before.size()); // no job, so no PDF
}

TEST(NoDefaultPrinter, NoNameAndPrintSaysWhy)
{
    QtPrinting printing;
    EXPECT_EQ(printing.defaultPrinterName(), QString());
    std::vector<SeenSheet> seen;
    EXPECT_TRUE(printing.printOnDefaultPrinter(twoPageDocument(QStringLiteral("行き先なし"), seen))
                    .contains(QStringLiteral("プリンターが設定されていません")));
}

TEST(PdfFile, HasTheTwoA4PortraitPagesInsideTheMarginsWithTheirText)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("回数グラフ.pdf"));
    std::vector<SeenSheet> seen;
    ASSERT_EQ(QtPrinting().writePdf(twoPageDocument(QStringLiteral("回数グラフ"), seen), path), QString());
    expectPrintableAreas(seen, 2);
    expectTwoA4PortraitPages(path);
    expectPageBars(path);
    expectPageTexts(path);
}

TEST(PdfFile, AMissingFolderIsMadeOneThatCannotBeSaysWhich)
{
    QTemporaryDir folder;
    std::vector<SeenSheet> seen;
    const QString madePath = folder.filePath(QStringLiteral("グラフ印刷/20261210_101500/回数グラフ.pdf"));
    EXPECT_EQ(QtPrinting().writePdf(twoPageDocument(QStringLiteral("回数グラフ"), seen), madePath), QString());
    EXPECT_TRUE(QFileInfo::exists(madePath));

    // A file stands where the folder would have to be.
    QFile blocker(folder.filePath(QStringLiteral("ファイル")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath(QStringLiteral("ファイル/回数グラフ.pdf"));
    EXPECT_TRUE(QtPrinting().writePdf(twoPageDocument(QStringLiteral("回数グラフ"), seen), path)
                    .contains(folder.filePath(QStringLiteral("ファイル"))));
    EXPECT_FALSE(QFileInfo::exists(path));
}
} // namespace
