// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/printing.h"

#include "report/ui/print_results.h"

#include "case/case_record.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QDir>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>

namespace printing {

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

QString suggestedPdfPath(const QString &deceasedName, const QDate &date, Language language)
{
    // Room for the date and the extension within a file system's 255 bytes,
    // whatever the letters' encoded length.
    constexpr int MaxNameLength = 60;
    QString name;
    for (QChar ch : deceasedName) {
        const bool unfit = ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format
                           || ch.isSpace() || QStringLiteral("/\\:*?\"<>|").contains(ch);
        name += unfit ? QLatin1Char(' ') : ch;
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.size() > MaxNameLength)
        name = name.left(MaxNameLength).trimmed();
    if (name.isEmpty())
        name = captions::text(windows::Results, QStringLiteral("printFile.unnamed"), language);
    const QString file = QStringLiteral("%1 %2.pdf").arg(name, date.toString(QStringLiteral("yyyy-MM-dd")));

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(file);
}

namespace {

PrintOutcome print(QWidget *parent, const CaseRecord &c, const QString &deceasedName, const QDate &date)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(deceasedName);
    // With no printer installed the job goes to a PDF file: suggest one.
    // The print dialog asks before it replaces a file that exists.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(suggestedPdfPath(deceasedName, date, languageOf(c)));
    if (!printerChooser().choose(printer, parent))
        return PrintOutcome::Cancelled;
    if (!PrintResults(printer, c, deceasedName, date)) {
        showPrintFailure(parent);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

} // namespace

PrintOutcome chooseAndPrint(QWidget *parent)
{
    return print(parent, theCase(), caseaccess::deceasedName(), QDate::currentDate());
}

void printFromMainWindow(QWidget *parent)
{
    // Kept apart from the case record, which the after-results window
    // clears: printing it would present an empty report as a result.
    const std::optional<caseaccess::FinishedCase> finished = caseaccess::finishedCase();
    if (!finished)
        return;
    // The printer dialog belongs to the results window: referring to it
    // loads that window (hidden) when it is not loaded.
    const QString results = windows::Results;
    const bool wasLoaded = ui::isLoaded(results);
    ui::window(results);
    print(parent, finished->record, finished->deceasedName, finished->date);
    // Loaded only for this print, it would otherwise linger with the lines
    // of the case at hand, and the next calculation would show those.
    if (!wasLoaded)
        ui::discard(results);
}

} // namespace printing
