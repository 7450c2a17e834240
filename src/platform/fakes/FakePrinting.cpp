#include "platform/fakes/FakePrinting.h"

#include <QPainter>

namespace {
constexpr int kDotsPerInch = 60;

FakePrinting::Printed drawn(const PrintDocument& document, const QString& pdfPath)
{
    FakePrinting::Printed printed{document.title, pdfPath, {}};
    for (int page = 0; page < document.pageCount; ++page) {
        QImage sheet(210 * kDotsPerInch * 10 / 254, 297 * kDotsPerInch * 10 / 254, QImage::Format_RGB32);
        sheet.setDotsPerMeterX(kDotsPerInch * 10000 / 254);
        sheet.setDotsPerMeterY(kDotsPerInch * 10000 / 254);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        document.drawPage(painter, page);
        painter.end();
        printed.pages << sheet;
    }
    return printed;
}
} // namespace

QString FakePrinting::printOnDefaultPrinter(const PrintDocument& document)
{
    if (defaultPrinter.isEmpty())
        return QStringLiteral("no default printer");
    if (!refusal.isEmpty())
        return refusal;
    jobs << drawn(document, QString());
    return {};
}

QString FakePrinting::writePdf(const PrintDocument& document, const QString& path)
{
    pdfs << drawn(document, path);
    return {};
}
