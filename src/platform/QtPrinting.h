#pragma once
// Printing through Qt: the default CUPS destination, or PDF files.

#include "platform/Printing.h"

class QtPrinting final : public Printing {
public:
    QString defaultPrinterName() override;
    QString printOnDefaultPrinter(const PrintDocument& document) override;
    QString writePdf(const PrintDocument& document, const QString& path) override;
};
