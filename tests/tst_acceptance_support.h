// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program as a user meets it: started as main() starts it, with the
// calculation hooks the program installs, and the outside world (quitting,
// the help file's handler, the system-information viewer) replaced by
// recorders so that a test never ends the run or starts another program.
#pragma once

#include "app.h"
#include "case/case_record.h"
#include "report/composition.h"
#include "report/ui/printing.h"
#include "shell/platform/help.h"
#include "shell/platform/system_info.h"
#include "tests/tst_family_support.h"
#include "ui/case_access.h"
#include "ui/program_end.h"
#include "ui/window_registry.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>

namespace acc {

template<class T = QWidget> T *child(QWidget *w, const QString &name)
{
    return w ? w->findChild<T *>(name) : nullptr;
}

inline QMainWindow *mainWindow()
{
    return qobject_cast<QMainWindow *>(ui::loadedWindow(QStringLiteral("frmInherence")));
}

// What the program asked of the outside world.
struct Outside
{
    int quits = 0;
    int helpOpened = 0;
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
    platform::help::setOpener([](const QUrl &) { ++outside().helpOpened; return true; });
    platform::sysinfo::Environment env;
    env.fileExists = [](const QString &) { return false; };
    env.findOnPath = [](const QString &) { return QString(); };
    env.start = [](const QString &) { ++outside().viewersStarted; return false; };
    platform::sysinfo::setEnvironment(env);
    app::initialise();
    ui::showModeless(QStringLiteral("frmInherence"));
}

inline void stopProgram()
{
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program::setQuitFunction({});
    platform::help::setOpener({});
    platform::sysinfo::setEnvironment({});
    printing::setPrinterChooser(nullptr);
}

// As the window system delivers a click on the title bar's close button
// (QWindow::close() from a test is not spontaneous in Qt 6.4).
inline void titleBarClose(QWidget *w)
{
    QPointer<QWidget> guard(w);
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(w, &close);
    if (guard && close.isAccepted())
        guard->hide();
}

// Acts on the modal windows that open one after another while it lives, one
// act each, in order; a modal window with no act left is recorded as
// unexpected and hidden. Unlike quest::ModalScript, an act may itself open
// the next modal window: acts run from their own single-shot timer, so the
// polling goes on inside the nested modal loop (Qt never fires a timer again
// while its own timeout is still being handled).
class ModalDriver
{
public:
    using Act = std::function<void(QWidget *)>;
    explicit ModalDriver(QList<Act> acts = {}) : m_acts(std::move(acts))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    void then(Act act) { m_acts.append(std::move(act)); }
    bool done() const { return m_acts.isEmpty() && m_running == 0; }
    QStringList seen;
    QStringList unexpected;

private:
    void poll()
    {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || !m->isVisible() || m == m_current)
            return;
        if (m_acts.isEmpty()) {
            unexpected << m->objectName();
            m->hide();
            return;
        }
        m_current = m;
        seen << m->objectName();
        ++m_running;
        QTimer::singleShot(0, &m_timer, [this, act = m_acts.takeFirst(), m = QPointer<QWidget>(m)] {
            if (m)
                act(m);
            --m_running;
        });
    }
    QTimer m_timer;
    QPointer<QWidget> m_current;
    QList<Act> m_acts;
    int m_running = 0;
};

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
    QWidget *results = ui::loadedWindow(QStringLiteral("Results"));
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
