#pragma once
// Records every printed document and PDF file; each page is really drawn,
// on an image of an A4 sheet at 60 dots per inch.

#include "platform/Printing.h"

#include <QImage>
#include <QList>

class FakePrinting final : public Printing {
public:
    struct Printed {
        QString title;
        QString pdfPath; // empty for a print job
        QList<QImage> pages;
    };

    QString defaultPrinterName() override { return defaultPrinter; }
    QString printOnDefaultPrinter(const PrintDocument& document) override;
    QString writePdf(const PrintDocument& document, const QString& path) override;

    QString defaultPrinter = QStringLiteral("教室プリンター");
    QString refusal; // what the printer says when it refuses a job; empty: it prints
    QList<Printed> jobs;
    QList<Printed> pdfs;
};
