#include "platform/QtPrinting.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cups/cups.h>

#include <algorithm>
#include <memory>

namespace {
// Printed pages are laid out in dots of this resolution.
constexpr int kDotsPerInch = 600;
// Most printers cannot print the outer 3 to 5 mm of a sheet: pages keep at
// least this far from every edge, further where the printer needs it.
constexpr double kLeastMarginMm = 6;
constexpr const char* kA4Media = "iso_a4_210x297mm";

// The document as a PDF of A4 portrait sheets, drawn inside the margins
// (in millimetres); false when the output device cannot be written.
bool renderPdf(const PrintDocument& document, QPdfWriter& writer, const QMarginsF& margins)
{
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(margins, QPageLayout::Millimeter);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("ミナモドリル"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int page = 0; page < document.pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        document.drawPage(painter, page);
    }
    return painter.end();
}

struct FreeDestination {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, FreeDestination>;

// The user's default (lpoptions, PRINTER), else the CUPS server's default.
Destination defaultDestination() { return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)); }

QString lastCupsError() { return QString::fromUtf8(cupsLastErrorString()); }

QMarginsF leastMargins() { return {kLeastMarginMm, kLeastMarginMm, kLeastMarginMm, kLeastMarginMm}; }

// The margins of an A4 sheet on the destination: what its printer cannot
// print, at least the least margins.
QMarginsF printerMargins(cups_dest_t* destination)
{
    QMarginsF margins = leastMargins();
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination);
    cups_size_t size{};
    if (info && cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, destination, info, kA4Media, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
        const auto millimetres = [](int hundredths) { return std::max(kLeastMarginMm, hundredths / 100.0); };
        margins = {millimetres(size.left), millimetres(size.top), millimetres(size.right), millimetres(size.bottom)};
    }
    if (info)
        cupsFreeDestInfo(info);
    return margins;
}
} // namespace

QString QtPrinting::defaultPrinterName()
{
    const Destination destination = defaultDestination();
    return destination ? QString::fromUtf8(destination->name) : QString();
}

// Qt's own CUPS print engine does not look at the server's answer: a queue
// that rejects jobs "prints" without an error. So the pages go to the queue
// as a PDF through libcups, which says when and why the job was refused.
QString QtPrinting::printOnDefaultPrinter(const PrintDocument& document)
{
    const Destination destination = defaultDestination();
    if (!destination) // also when no CUPS server answers
        return QStringLiteral("プリンターが設定されていません");
    const QString name = QString::fromUtf8(destination->name);
    const auto refusal = [&name] {
        return QStringLiteral("プリンター「%1」が印刷を受け付けません（%2）").arg(name, lastCupsError());
    };

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    if (!renderPdf(document, writer, printerMargins(destination.get())))
        return QStringLiteral("プリンター「%1」に送る印刷データを作れません").arg(name);

    // Paper and orientation as the pages were drawn; the rest as the queue is set up.
    cups_option_t* options = nullptr;
    int optionCount = cupsAddOption("media", kA4Media, 0, &options);
    optionCount = cupsAddOption("orientation-requested", "3", optionCount, &options); // portrait
    const QByteArray title = document.title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, destination->name, title.constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job == 0)
        return refusal();

    bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, destination->name, job, title.constData(), CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE;
    if (sent) {
        sent = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
        // Finishing reads the server's answer, also to a write that failed.
        sent = cupsFinishDocument(CUPS_HTTP_DEFAULT, destination->name) <= IPP_STATUS_OK_EVENTS_COMPLETE && sent;
    }
    if (sent)
        return {};
    const QString reason = refusal(); // before the cancel's answer replaces the error
    cupsCancelJob2(CUPS_HTTP_DEFAULT, destination->name, job, 0);
    return reason;
}

QString QtPrinting::writePdf(const PrintDocument& document, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("フォルダー「%1」を作れません").arg(folder);
    QPdfWriter writer(path);
    if (!renderPdf(document, writer, leastMargins()))
        return QStringLiteral("ファイル「%1」を書けません").arg(path);
    return {};
}
