#include "student_menu/GraphPrinting.h"

#include "foundation/Limits.h"
#include "foundation/TextColumns.h"
#include "student_menu/GraphPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QString studentName(const SharedState& state, int student)
{
    if (student < 0 || student > kMaxStudentNo)
        return {};
    return withoutHalfWidthSpaces(state.StudentNames[static_cast<std::size_t>(student)]);
}

// A file name of the student's number and name; a "/" in the name would
// name a folder.
QString pdfFileName(const SharedState& state, int student)
{
    QString name = studentName(state, student);
    name.replace(u'/', u'_');
    return QString::number(student) + u'_' + name + u".pdf"_s;
}

// Pages are laid out once on an A4 sheet of 600 dots an inch.
constexpr double kLayoutDotsPerInch = 600;
constexpr double kSheetWidth = 210 / 25.4 * kLayoutDotsPerInch;
constexpr double kSheetHeight = 297 / 25.4 * kLayoutDotsPerInch;

// The page at the device's own resolution, as large as its printable area
// allows in the sheet's proportions, in the middle of it.
void paintOnPrintableArea(QPainter& painter, const GraphPage& page, const QString& fontFamily)
{
    const QPaintDevice& device = *painter.device();
    const double dotsPerUnit = device.logicalDpiX() / kLayoutDotsPerInch;
    const QSizeF sheet(kSheetWidth * dotsPerUnit, kSheetHeight * dotsPerUnit);
    const double fit = std::min({1.0, device.width() / sheet.width(), device.height() / sheet.height()});
    painter.save();
    painter.translate((device.width() - sheet.width() * fit) / 2, (device.height() - sheet.height() * fit) / 2);
    painter.scale(fit, fit);
    paintGraphPage(painter, page, dotsPerUnit, fontFamily);
    painter.restore();
}
} // namespace

PrintDocument graphDocument(const GraphRequest& graphs, const QString& fontFamily)
{
    const auto pages = std::make_shared<const std::vector<GraphPage>>(
        graphPages(graphs, paperSurface(kSheetWidth, kSheetHeight)));
    const QString title = u"%1 %2 %3"_s.arg(graphs.listing.state.ProgramTitle,
                                            studentName(graphs.listing.state, graphs.student))
                              .arg(graphs.student);
    return PrintDocument{title, static_cast<int>(pages->size()), [pages, fontFamily](QPainter& painter, int page) {
                             if (page >= 0 && page < static_cast<int>(pages->size()))
                                 paintOnPrintableArea(painter, (*pages)[static_cast<std::size_t>(page)], fontFamily);
                         }};
}

QString printGraphs(Printing& printing, const GraphPrintJob& job, const std::function<void(int done)>& progress)
{
    if (job.graphs.levelLines.empty())
        return u"印刷するレベルを選んで下さい。"_s; // rather than a blank sheet for every student
    const SharedState& state = job.graphs.listing.state;
    const bool toPdf = printing.defaultPrinterName().isEmpty();
    int done = 0;
    for (const int student : job.students) {
        GraphRequest graphs = job.graphs;
        graphs.student = student;
        const PrintDocument document = graphDocument(graphs, job.fontFamily);
        if (toPdf) {
            if (const QString error = printing.writePdf(document, job.pdfFolder + pdfFileName(state, student));
                !error.isEmpty())
                return u"グラフをPDFファイルにできませんでした。\r\n"_s + error;
        } else if (const QString refusal = printing.printOnDefaultPrinter(document); !refusal.isEmpty()) {
            return u"印刷できませんでした。\r\n"_s + refusal;
        }
        if (progress)
            progress(++done);
    }
    if (toPdf)
        return u"プリンターがないため、グラフをPDFファイルにしました。\r\n"_s + job.pdfFolder;
    return {};
}
