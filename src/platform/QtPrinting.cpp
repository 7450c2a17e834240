#include "platform/QtPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
// Printed pages are laid out in dots of this resolution, the whole sheet.
constexpr int kDotsPerInch = 600;

void drawPages(QPagedPaintDevice& device, QPainter& painter, const PrintDocument& document)
{
    for (int page = 0; page < document.pageCount; ++page) {
        if (page > 0)
            device.newPage();
        document.drawPage(painter, page);
    }
}
} // namespace

QString QtPrinting::defaultPrinterName() { return QPrinterInfo::defaultPrinter().printerName(); }

QString QtPrinting::printOnDefaultPrinter(const PrintDocument& document)
{
    const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
    if (destination.isNull())
        return QStringLiteral("プリンターが設定されていません");
    QPrinter printer(destination, QPrinter::HighResolution);
    printer.setResolution(kDotsPerInch);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(document.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("プリンター「%1」に印刷できません").arg(destination.printerName());
    drawPages(printer, painter, document);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("プリンター「%1」が印刷を受け付けません").arg(destination.printerName());
    return {};
}

QString QtPrinting::writePdf(const PrintDocument& document, const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("フォルダー「%1」を作れません").arg(QFileInfo(path).absolutePath());
    QPdfWriter writer(path);
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("ミナモドリル"));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("ファイル「%1」を書けません").arg(path);
    drawPages(writer, painter, document);
    if (!painter.end())
        return QStringLiteral("ファイル「%1」を書けません").arg(path);
    return {};
}
