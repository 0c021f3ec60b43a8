// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program as a user meets it: started as main() starts it, with the
// calculation hooks the program installs, and the outside world (quitting,
// the system-information viewer) replaced by
// recorders so that a test never ends the run or starts another program.
#pragma once

#include "app.h"
#include "case/case_record.h"
#include "report/composition.h"
#include "report/ui/printing.h"
#include "shell/platform/system_info.h"
#include "tests/gui_support.h"
#include "tests/tst_family_support.h"
#include "ui/case_access.h"
#include "ui/program_end.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>

namespace acc {

inline QMainWindow *mainWindow()
{
    return qobject_cast<QMainWindow *>(ui::loadedWindow(windows::Main));
}

// What the program asked of the outside world.
struct Outside
{
    int quits = 0;
    int viewersStarted = 0;
};

inline Outside &outside()
{
    static Outside o;
    return o;
}

// A fresh run: nothing loaded, an empty record, then what main() does.
// `keepCounts` keeps what the outside world saw in earlier runs.
inline void startProgram(bool keepCounts = false)
{
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    theCase() = CaseRecord{};
    caseaccess::forgetFinishedCase();
    if (!keepCounts)
        outside() = Outside{};
    program::setQuitFunction([] { ++outside().quits; });
    platform::sysinfo::Environment env;
    env.fileExists = [](const QString &) { return false; };
    env.findOnPath = [](const QString &) { return QString(); };
    env.start = [](const QString &) { ++outside().viewersStarted; return false; };
    platform::sysinfo::setEnvironment(env);
    app::initialise();
    ui::showModeless(windows::Main);
}

inline void stopProgram()
{
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program::setQuitFunction({});
    platform::sysinfo::setEnvironment({});
    printing::setPrinterChooser(nullptr);
}

// Sum of every heir row of the report, the treasury's included: the estate.
inline double estateShared(const CaseRecord &c)
{
    double sum = 0;
    for (int row = 1; row <= 24; ++row)
        sum += report::rowValue(c, row);
    return sum;
}

// The lines the visible results window shows: "label|percent".
inline QStringList resultLines()
{
    QWidget *results = ui::loadedWindow(windows::Results);
    QStringList out;
    if (!results || !results->isVisible())
        return out;
    for (int k = 0;; ++k) {
        auto *label = child<QLabel>(results, QStringLiteral("Label3(%1)").arg(k));
        auto *value = child<QLineEdit>(results, QStringLiteral("Text1(%1)").arg(k));
        if (!label || !value)
            break;
        if (value->isVisible())
            out << label->text().trimmed() + QLatin1Char('|') + value->text();
    }
    return out;
}

inline QStringList resultPercents()
{
    QStringList out;
    for (const QString &line : resultLines())
        out << line.section(QLatin1Char('|'), 1);
    return out;
}

// pdftotext wraps runs in bidi controls and gives Arabic letters as
// presentation forms; fold both away.
inline QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QString s = QString::fromUtf8(p.readAllStandardOutput());
    s.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
    return s.normalized(QString::NormalizationForm_KC);
}

} // namespace acc
