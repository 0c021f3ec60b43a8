// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the windows around the results window, printer choosers and
// the report's label tables, shared by the results and printing tests.
#pragma once

#include "app.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "report/ui/printing.h"
#include "report/ui/register_report.h"
#include "ui/window_names.h"
#include "ui/case_access.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

namespace support {

// Counts of what the stand-ins saw.
struct Seen
{
    int afterResultsOpened = 0;
    bool afterResultsModal = false;
    int choices = 0;
    bool resultsLoadedWhileChoosing = false;
};

inline Seen &seen()
{
    static Seen s;
    return s;
}

// The after-results window ends the case as it opens, like the real one.
class AfterResults : public QDialog
{
public:
    AfterResults()
    {
        setObjectName(windows::AfterResults);
        ui::discardCaseWindows();
        ClearShares(theCase());
        ++seen().afterResultsOpened;
    }

protected:
    void showEvent(QShowEvent *e) override
    {
        seen().afterResultsModal = isModal();
        QDialog::showEvent(e);
    }
};

class MainWindow : public QMainWindow
{
public:
    MainWindow()
    {
        setObjectName(windows::Main);
        QAction *print = menuBar()->addMenu(QStringLiteral("Calc"))->addAction(QStringLiteral("Print"));
        print->setObjectName(QStringLiteral("mnuPrint"));
        print->setEnabled(false);
    }
    QAction *printEntry() const { return findChild<QAction *>(QStringLiteral("mnuPrint")); }
};

class DeceasedEntry : public QDialog
{
public:
    explicit DeceasedEntry(const QString &name)
    {
        setObjectName(windows::DeceasedEntry);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txtNameofDead"));
        edit->setText(name);
        // As the deceased entry keeps them for the later windows.
        caseaccess::setDeceased(name, false, this);
    }
    ~DeceasedEntry() override { caseaccess::clearDeceased(this); }
};

// Cancels the printer choice.
class CancellingChooser : public printing::PrinterChooser
{
public:
    bool choose(QPrinter &, QWidget *) override
    {
        ++seen().choices;
        seen().resultsLoadedWhileChoosing = ui::isLoaded(windows::Results);
        return false;
    }
};

// A printer that cannot be opened.
class BrokenChooser : public printing::PrinterChooser
{
public:
    bool choose(QPrinter &printer, QWidget *) override
    {
        ++seen().choices;
        seen().resultsLoadedWhileChoosing = ui::isLoaded(windows::Results);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-directory/report.pdf"));
        return true;
    }
};

class CountingPdfChooser : public printing::PdfFileChooser
{
public:
    using PdfFileChooser::PdfFileChooser;
    bool choose(QPrinter &printer, QWidget *parent) override
    {
        ++seen().choices;
        seen().resultsLoadedWhileChoosing = ui::isLoaded(windows::Results);
        return PdfFileChooser::choose(printer, parent);
    }
};

// Registers the results window and the stand-ins around it, the main
// window loaded, and a fresh case record in the language.
inline void freshCase(Language language, const QString &deceasedName = QString())
{
    ui::resetRegistry();
    seen() = Seen{};
    theCase() = CaseRecord{};
    theCase().Language = std::int16_t(language);
    caseaccess::forgetFinishedCase();
    registerReportWindows();
    ui::registerWindow(windows::AfterResults, [] { return new AfterResults; });
    ui::registerWindow(windows::Main, [] { return new MainWindow; });
    ui::registerWindow(windows::DeceasedEntry, [deceasedName] { return new DeceasedEntry(deceasedName); });
    ui::window(windows::Main);
    ui::window(windows::DeceasedEntry);
}

inline QAction *printEntry()
{
    return static_cast<MainWindow *>(ui::window(windows::Main))->printEntry();
}

// A label of the report's tables: table "screen_labels" or "printed_labels",
// row 1..24, key "one", "several", "mothersMother", "fathersMother".
inline QString reportLabel(const QString &table, int row, const QString &key, int language)
{
    QFile f(QStringLiteral(":/report/%1.json").arg(table));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<no table %1>").arg(table);
    const QJsonObject all = QJsonDocument::fromJson(f.readAll()).object();
    return all.value(QString::number(row))
        .toObject()
        .value(language == 1 ? QStringLiteral("en") : QStringLiteral("ar"))
        .toObject()
        .value(key)
        .toString(QStringLiteral("<no label %1/%2>").arg(row).arg(key));
}

// The worked example: a man leaves his father, his mother, a wife and a son.
inline void overviewExample(CaseRecord &c)
{
    c.FatherAlive = 1;
    c.MotherAlive = 1;
    c.WifeCount = 1;
    c.SonCount = 1;
    c.FatherShare = 1.0 / 6;
    c.MotherShare = 1.0 / 6;
    c.WifeShare = 1.0 / 8;
    c.SonShare = 13.0 / 24;
    c.ShareTotal = 1;
}

} // namespace support
