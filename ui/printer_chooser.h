// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace printing {

// Chooses the printer for one print job. The program's chooser shows Qt's
// print dialog; tests use one that prints to a PDF file. Every window that
// prints asks it, so a test replaces it once for all of them.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // false when the user cancelled.
    virtual bool choose(QPrinter &printer, QWidget *parent) = 0;
};

// Prints to a PDF file without asking.
class PdfFileChooser : public PrinterChooser
{
public:
    explicit PdfFileChooser(QString path) : m_path(std::move(path)) {}
    bool choose(QPrinter &printer, QWidget *parent) override;

private:
    QString m_path;
};

void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);   // nullptr: the dialog again
PrinterChooser &printerChooser();

} // namespace printing
