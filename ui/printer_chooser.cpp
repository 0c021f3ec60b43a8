// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printer_chooser.h"

#include <QPrintDialog>
#include <QPrinter>

namespace printing {
namespace {

class DialogPrinterChooser : public PrinterChooser
{
public:
    bool choose(QPrinter &printer, QWidget *parent) override
    {
        // With no printer installed the dialog still offers a PDF file.
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("printDialog"));
        return dialog.exec() == QDialog::Accepted;
    }
};

std::unique_ptr<PrinterChooser> &chooserSlot()
{
    static std::unique_ptr<PrinterChooser> chooser = std::make_unique<DialogPrinterChooser>();
    return chooser;
}

} // namespace

bool PdfFileChooser::choose(QPrinter &printer, QWidget *)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    return true;
}

void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    chooserSlot() = chooser ? std::move(chooser) : std::make_unique<DialogPrinterChooser>();
}

PrinterChooser &printerChooser()
{
    return *chooserSlot();
}

} // namespace printing
