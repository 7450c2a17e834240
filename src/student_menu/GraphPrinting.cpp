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
    // The pages are laid out once, for the device's own page size.
    struct Layout {
        QSize size;
        std::vector<GraphPage> pages;
    };
    auto layout = std::make_shared<Layout>();
    const int pageCount = static_cast<int>(graphPages(graphs, paperSurface(1, 1)).size());
    const QString title = u"%1 %2 %3"_s.arg(graphs.listing.state.ProgramTitle,
                                            studentName(graphs.listing.state, graphs.student))
                              .arg(graphs.student);
    return PrintDocument{title, pageCount, [graphs, fontFamily, layout](QPainter& painter, int page) {
                             const QSize size(painter.device()->width(), painter.device()->height());
                             if (layout->size != size) {
                                 layout->size = size;
                                 layout->pages = graphPages(graphs, paperSurface(size.width(), size.height()));
                             }
                             if (page >= 0 && page < static_cast<int>(layout->pages.size()))
                                 paintGraphPage(painter, layout->pages[static_cast<std::size_t>(page)], 1,
                                                fontFamily);
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
