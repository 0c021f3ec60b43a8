// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QPrinter;
class QWidget;

// Printing of the report and the choice of printer.
namespace printing {

// Chooses the printer for one print job. The program's chooser shows Qt's
// print dialog; tests use one that prints to a PDF file.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // false when the user cancelled.
    virtual bool choose(QPrinter &printer, QWidget *parent) = 0;
};

void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);
PrinterChooser &printerChooser();

// The main window's print entry: choose a printer, then print the report of
// the current case record. A cancel ends silently; a printing failure is
// reported in a message box.
void printFromMainWindow(QWidget *parent);

} // namespace printing
