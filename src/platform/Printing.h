#pragma once
// Printed documents: the system's default printer, or PDF files where a
// school machine has no print queue.

#include <QString>

#include <functional>

class QPainter;

// Pages drawn by a painter whose device is what can be printed of one A4
// portrait sheet (the sheet less its margins), in the device's own dots.
struct PrintDocument {
    QString title; // the print job's name
    int pageCount = 0;
    std::function<void(QPainter& painter, int page)> drawPage; // page 0..pageCount-1
};

class Printing {
public:
    virtual ~Printing() = default;
    // The name of the system's default printer; empty when none is set up.
    virtual QString defaultPrinterName() = 0;
    // One print job on the default printer, without a print dialog. Empty
    // on success, else why the printer did not take the job.
    virtual QString printOnDefaultPrinter(const PrintDocument& document) = 0;
    // The document as one PDF file at `path`, its folder made when missing.
    // Empty on success, else why not.
    virtual QString writePdf(const PrintDocument& document, const QString& path) = 0;
};
