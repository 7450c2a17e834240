#include "student_menu/GraphPrinting.h"

#include "foundation/Limits.h"
#include "foundation/TextColumns.h"
#include "student_menu/GraphPainter.h"

#include <QPaintDevice>
#include <QPainter>

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
} // namespace

PrintDocument graphDocument(const GraphRequest& graphs, const QString& fontFamily)
{
    // Laid out once on an A4 sheet of 600 dots an inch; a device of
    // another resolution gets the same page at its own scale.
    constexpr double kSheetWidth = 210 / 25.4 * 600;
    constexpr double kSheetHeight = 297 / 25.4 * 600;
    const auto pages = std::make_shared<const std::vector<GraphPage>>(
        graphPages(graphs, paperSurface(kSheetWidth, kSheetHeight)));
    const QString title = u"%1 %2 %3"_s.arg(graphs.listing.state.ProgramTitle,
                                            studentName(graphs.listing.state, graphs.student))
                              .arg(graphs.student);
    return PrintDocument{title, static_cast<int>(pages->size()), [pages, fontFamily](QPainter& painter, int page) {
                             if (page >= 0 && page < static_cast<int>(pages->size()))
                                 paintGraphPage(painter, (*pages)[static_cast<std::size_t>(page)],
                                                painter.device()->width() / kSheetWidth, fontFamily);
                         }};
}

QString printGraphs(Printing& printing, const GraphPrintJob& job, const std::function<void(int done)>& progress)
{
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
