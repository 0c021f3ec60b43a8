// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/printing.h"

#include "report/ui/print_results.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QMessageBox>
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

void showPrintFailure(QWidget *parent)
{
    const Language lang = language::current();
    const QString window = windows::Results;
    QMessageBox box(QMessageBox::Warning, captions::text(window, QStringLiteral("printFailed.title"), lang),
                    captions::text(window, QStringLiteral("printFailed.text"), lang), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("printFailedNotice"));
    box.exec();
}

PrintOutcome chooseAndPrint(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printerChooser().choose(printer, parent))
        return PrintOutcome::Cancelled;
    if (!PrintResults(printer)) {
        showPrintFailure(parent);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

void printFromMainWindow(QWidget *parent)
{
    // The printer dialog belongs to the results window: referring to it
    // loads that window (hidden) when it is not loaded.
    const QString results = windows::Results;
    const bool wasLoaded = ui::isLoaded(results);
    ui::window(results);
    chooseAndPrint(parent);
    // Loaded only for this print, it would otherwise linger with the lines
    // of the case at hand, and the next calculation would show those.
    if (!wasLoaded)
        ui::discard(results);
}

} // namespace printing
