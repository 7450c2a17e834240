#pragma once
// Pages drawn into PDF by Qt: sent to the default CUPS destination, or
// written to a file.

#include "platform/Printing.h"

class QtPrinting final : public Printing {
public:
    QString defaultPrinterName() override;
    QString printOnDefaultPrinter(const PrintDocument& document) override;
    QString writePdf(const PrintDocument& document, const QString& path) override;
};
