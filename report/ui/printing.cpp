// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include <QPrintDialog>
#include <QPrinter>

namespace printing {
namespace {

class DialogPrinterChooser : public PrinterChooser
{
public:
    bool choose(QPrinter &printer, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

std::unique_ptr<PrinterChooser> &chooserSlot()
{
    static std::unique_ptr<PrinterChooser> chooser = std::make_unique<DialogPrinterChooser>();
    return chooser;
}

} // namespace

void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    chooserSlot() = chooser ? std::move(chooser) : std::make_unique<DialogPrinterChooser>();
}

PrinterChooser &printerChooser()
{
    return *chooserSlot();
}

void printFromMainWindow(QWidget *)
{
}

} // namespace printing
