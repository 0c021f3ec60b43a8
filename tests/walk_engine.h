// SPDX-License-Identifier: GPL-3.0-or-later
// The engine of the robustness walk (tests/tst_walk.cpp): a seeded random
// walk of user actions over whatever windows are on screen. Each action runs
// from a single-shot timer, so an action that opens a modal window leaves the
// next action to run inside that window's modal loop, as a user's would.
#pragma once

#include "details/case_window.h"
#include "details/relatives_panel.h"
#include "questionnaires/family/frm_fathers.h"
#include "tests/tst_family_support.h"
#include "report/ui/printing.h"
#include "tests/tst_acceptance_support.h"
#include "tests/walk_guard.h"
#include "ui/window_names.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>
#include <cstdlib>

namespace walk {

class Walker : public QObject
{
public:
    Walker(quint32 seed, int actions, const QString &folder, bool keysOnly = false)
        : m_rng(seed), m_seed(seed), m_target(actions), m_keysOnly(keysOnly), m_guard(seed, 20000)
    {
        printing::setPrinterChooser(std::make_unique<WalkChooser>(&m_rng, folder, &m_prints));
        details::setFileChooser(std::make_unique<WalkFiles>(&m_rng, folder, &m_files));
        qApp->installEventFilter(this);
        s_current = this;
        m_previousHandler = qInstallMessageHandler(&Walker::message);
    }
    ~Walker() override
    {
        qApp->removeEventFilter(this);
        details::setFileChooser(nullptr);
        qInstallMessageHandler(m_previousHandler);
        s_current = nullptr;
    }

    // Runs the walk to its end; returns the failure, empty when none.
    QString run()
    {
        restart();
        m_clock.start();
        m_lastProgress = 0;
        connect(&m_watchdog, &QTimer::timeout, this, [this] {
            if (m_clock.elapsed() - m_lastProgress > 10000 && !m_finishing)
                fail(QStringLiteral("no action finished for 10 s"));
        });
        m_watchdog.start(500);
        scheduleTick();
        m_loop.exec();
        m_watchdog.stop();
        return m_failure;
    }

    int quits = 0;
    int resultsShown = 0;
    int noHeirBoxes = 0;
    int done = 0;
    QMap<QString, int> windowsActedOn;
    QStringList slow;
    std::function<void()> afterStart; // after each (re)start of the program
    int prints() const { return m_prints; }
    int files() const { return m_files; }
    int caseWindowChecks = 0;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow()) {
            if (o->objectName() == windows::Results) {
                ++resultsShown;
                checkEstate(QStringLiteral("shown"));
            } else if (o->objectName() == QLatin1String("noHeirsNotice")) {
                ++noHeirBoxes;
            }
        }
        return false;
    }

private:
    // Qt's word that a window was misused: shown modally while it already
    // was, and the like.
    static void message(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (s_current && type == QtWarningMsg && text.contains(QLatin1String("Recursive call")))
            s_current->fail(QStringLiteral("Qt warns: %1").arg(text));
        if (s_current && s_current->m_previousHandler)
            s_current->m_previousHandler(type, context, text);
    }

    void fail(const QString &why)
    {
        if (!m_failure.isEmpty())
            return;
        m_failure = QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                        .arg(m_seed)
                        .arg(done)
                        .arg(why, m_recent.join(QStringLiteral("\n  ")));
        m_finishing = true;
        m_guard.progress(QStringLiteral("(failed, leaving the modal loops) ") + m_failure);
    }

    void note(const QString &action)
    {
        m_recent << QStringLiteral("%1 %2").arg(done).arg(action);
        if (m_recent.size() > 25)
            m_recent.removeFirst();
        m_guard.progress(m_recent.join(QStringLiteral("\n  ")));
    }

    void checkEstate(const QString &when)
    {
        const CaseRecord &c = theCase();
        const double sum = acc::estateShared(c);
        if (std::abs(sum - 1.0) > 1e-9)
            fail(QStringLiteral("results window %1 with shares adding up to %2").arg(when).arg(sum, 0, 'g', 17));
    }

    // The case window's working and money add up whatever was typed.
    void checkCaseWindow()
    {
        auto *w = qobject_cast<CaseWindow *>(ui::loadedWindow(windows::CaseDetails));
        if (!w || !w->isVisible())
            return;
        ++caseWindowChecks;
        const CaseWorking &working = w->working();
        if (!working.familyError && working.exact && !working.groups.empty()) {
            std::int64_t parts = 0;
            for (const GroupWorking &g : working.groups)
                parts += g.parts;
            if (parts != working.correctedBase)
                fail(QStringLiteral("case window: parts %1 of a corrected base of %2").arg(parts).arg(working.correctedBase));
        }
        // The page of relatives and schools divides the whole estate.
        const engine::Result &paths = w->relativesPanel()->result();
        if (!paths.members.empty()) {
            Rational whole = paths.treasury;
            for (const engine::MemberResult &m : paths.members)
                whole += m.share;
            if (!(whole == Rational(1)))
                fail(QStringLiteral("relatives page: shares adding up to %1").arg(whole.toDouble(), 0, 'g', 17));
        }
        const estate::Result &money = w->money();
        if (!money.groups.empty()) {
            std::int64_t paid = 0;
            for (const estate::GroupAmount &g : money.groups)
                paid += g.total;
            if (paid != money.distributed)
                fail(QStringLiteral("case window: %1 paid of %2 to divide").arg(paid).arg(money.distributed));
        }
    }

    void restart()
    {
        acc::startProgram(true);
        program::setQuitFunction([this] {
            ++quits;
            m_restartPending = true;
        });
        m_sameModalFor = 0;
        m_lastModal = nullptr;
        if (afterStart)
            afterStart();
    }

    void scheduleTick() { QTimer::singleShot(0, this, [this] { tick(); }); }

    // One step of the walk. The next step is scheduled first: if this one
    // opens a modal window, the next runs inside its loop.
    void tick()
    {
        scheduleTick();
        // An action's own wait for the list to open is no place for the
        // next action.
        if (m_holdTicks > 0)
            return;
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();

        if (m_finishing || m_restartPending) {
            // Leave every modal loop; the walk (or the run) ends once the
            // outermost action has returned.
            if (QWidget *m = QApplication::activeModalWidget()) {
                m->hide();
                return;
            }
            if (m_depth > 0) {
                // A dialog in exec() that failed to become modal.
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (qobject_cast<QDialog *>(w) && w->isVisible())
                        w->hide();
                return;
            }
            if (m_restartPending && !m_finishing) {
                m_restartPending = false;
                note(QStringLiteral("restart after quit"));
                restart();
                return;
            }
            m_loop.quit();
            return;
        }
        if (done >= m_target) {
            m_finishing = true;
            return;
        }

        if (QWidget *results = ui::loadedWindow(windows::Results); results && results->isVisible())
            checkEstate(QStringLiteral("on screen"));
        checkCaseWindow();
        // Answers against the record. (Changing an earlier answer by the
        // mouse hides the question it revealed but not the ones that one
        // revealed in turn, as designed; so not the revealing here.)
        if (const QString wrong = quest::familyDisagreement(ui::loadedWindow(windows::Family), false);
            !wrong.isEmpty())
            fail(QStringLiteral("the family questionnaire disagrees with the record: %1").arg(wrong));

        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal == m_lastModal) {
            if (++m_sameModalFor > 400 && !leaveStuckModal(modal))
                return;
        } else {
            m_sameModalFor = 0;
            m_lastModal = modal;
        }

        const qint64 started = m_clock.elapsed();
        const int before = done;
        ++m_depth;
        act(modal);
        --m_depth;
        ++done;
        m_lastProgress = m_clock.elapsed();
        // Slow actions that did not open a window (whose time is the user's).
        if (done == before + 1 && m_lastProgress - started > 1000)
            slow << QStringLiteral("%1 ms: %2").arg(m_lastProgress - started).arg(m_recent.last());
    }

    // A modal window that random actions have not left for a long time: the
    // ways out every window offers, Escape and the title bar's close.
    bool leaveStuckModal(QWidget *modal)
    {
        QPointer<QWidget> m(modal);
        note(QStringLiteral("way out of %1: Escape").arg(modal->objectName()));
        m_sameModalFor = 0;
        ++m_depth;
        QTest::keyClick(modal, Qt::Key_Escape);
        if (m && m->isVisible() && QApplication::activeModalWidget() == m) {
            note(QStringLiteral("way out of %1: title bar").arg(m->objectName()));
            titleBarClose(m);
        }
        --m_depth;
        if (m && m->isVisible() && QApplication::activeModalWidget() == m) {
            fail(QStringLiteral("modal window %1 has no way out").arg(m->objectName()));
            return false;
        }
        return true;
    }

    int pickWeighted(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = int(m_rng.bounded(total));
        int k = 0;
        for (int w : weights) {
            if (r < w)
                return k;
            r -= w;
            ++k;
        }
        return k - 1;
    }

    template<class T> QList<T *> usable(QWidget *window)
    {
        QList<T *> out;
        for (T *w : window->findChildren<T *>())
            // Placed out of sight (beyond its frame's edge) is out of reach.
            if (w->isVisible() && w->isEnabled() && w->window() == window && !w->visibleRegion().isEmpty())
                out << w;
        return out;
    }

    QWidget *chooseWindow(QWidget *modal)
    {
        // While a window is modal, only it takes a user's input.
        if (modal)
            return modal;
        QList<QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
                windows << w;
        if (windows.isEmpty())
            return nullptr;
        // Qt keeps its windows in a hash: sorted, a seed walks the same way
        // on every run.
        std::sort(windows.begin(), windows.end(), [](QWidget *a, QWidget *b) {
            return a->objectName() < b->objectName();
        });
        // The main window is always there; the others come and go.
        QList<int> weights;
        int total = 0;
        for (QWidget *w : windows) {
            // The main window is always there, the case window once opened
            // stays: neither may take the time the others need.
            weights << (qobject_cast<QMainWindow *>(w) || w->objectName() == windows::CaseDetails ? 1 : 3);
            total += weights.last();
        }
        int r = int(m_rng.bounded(total));
        for (int k = 0; k < windows.size(); ++k) {
            if (r < weights.at(k))
                return windows.at(k);
            r -= weights.at(k);
        }
        return windows.last();
    }

    void act(QWidget *modal)
    {
        QWidget *window = chooseWindow(modal);
        if (!window) {
            fail(QStringLiteral("no window on screen"));
            return;
        }
        ++windowsActedOn[window->objectName()];
        const auto buttons = usable<QAbstractButton>(window);
        const auto lists = usable<QComboBox>(window);
        QList<QLineEdit *> edits;
        for (QLineEdit *e : usable<QLineEdit>(window))
            if (!e->isReadOnly())
                edits << e;
        auto *main = qobject_cast<QMainWindow *>(window);
        const bool menus = main && main->menuBar()->isVisible();

        const bool mouse = !m_keysOnly;
        switch (pickWeighted({buttons.isEmpty() || !mouse ? 0 : 40, lists.isEmpty() ? 0 : 30, edits.isEmpty() ? 0 : 10,
                              4, mouse ? 5 : 60, mouse ? 2 : 0, menus && mouse ? 10 : 0})) {
        case 0: {
            // Ending the program restarts the walk; a user does it rarely,
            // and the deeper windows need the time.
            QAbstractButton *b = buttons.at(int(m_rng.bounded(qsizetype(buttons.size()))));
            for (int again = 0; again < 3 && endsProgram(b) && m_rng.bounded(8); ++again)
                b = buttons.at(int(m_rng.bounded(qsizetype(buttons.size()))));
            clickButton(b);
            break;
        }
        case 1:
            pickFromList(lists.at(int(m_rng.bounded(qsizetype(lists.size())))));
            break;
        case 2:
            type(edits.at(int(m_rng.bounded(qsizetype(edits.size())))));
            break;
        case 3: {
            const Qt::Key key = m_rng.bounded(2) ? Qt::Key_Return : Qt::Key_Escape;
            QWidget *target = window->focusWidget() ? window->focusWidget() : window;
            note(QStringLiteral("%1 in %2/%3").arg(key == Qt::Key_Return ? "Enter" : "Escape",
                                                   window->objectName(), target->objectName()));
            QTest::keyClick(target, key);
            break;
        }
        case 4: {
            static const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Down,
                                           Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageDown,
                                           Qt::Key_End, Qt::Key_Home};
            const Qt::Key key = keys[m_rng.bounded(int(std::size(keys)))];
            QWidget *target = window->focusWidget() ? window->focusWidget() : window;
            if (auto *b = qobject_cast<QAbstractButton *>(target); b && endsProgram(b) && m_rng.bounded(8))
                break;
            note(QStringLiteral("key %1 in %2/%3").arg(int(key), 0, 16).arg(window->objectName(), target->objectName()));
            QTest::keyClick(target, key);
            break;
        }
        case 5:
            if (main && m_rng.bounded(10))
                break;
            note(QStringLiteral("title bar close of %1").arg(window->objectName()));
            titleBarClose(window);
            break;
        default:
            menuEntry(main);
            break;
        }
    }

    static bool endsProgram(QAbstractButton *b)
    {
        const QString w = b->window()->objectName();
        return b->objectName() == QLatin1String("Command2")
            && (w == windows::Main || w == windows::AfterResults);
    }

    void clickButton(QAbstractButton *b)
    {
        note(QStringLiteral("click %1/%2").arg(b->window()->objectName(), b->objectName().isEmpty() ? b->text() : b->objectName()));
        QPoint at = b->rect().center();
        if (qobject_cast<QRadioButton *>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            at = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, b).center();
        }
        QTest::mouseClick(b, Qt::LeftButton, {}, at);
    }

    int entryIndex(QComboBox *list)
    {
        // Mostly the small counts a case has, sometimes anything.
        const int n = list->count();
        if (n <= 0)
            return -1;
        return m_rng.bounded(4) ? int(m_rng.bounded(qMin(n, 4))) : int(m_rng.bounded(n));
    }

    void pickFromList(QComboBox *list)
    {
        QPointer<QComboBox> guard(list);
        const int index = entryIndex(list);
        const QString where = list->window()->objectName() + QLatin1Char('/') + list->objectName();
        if (index < 0)
            return;
        switch (m_keysOnly ? 0 : m_rng.bounded(3)) {
        case 0: {
            // Through the keyboard: the list takes focus, arrows move the choice.
            note(QStringLiteral("keys in list %1").arg(where));
            list->setFocus(Qt::OtherFocusReason);
            const Qt::Key key = m_rng.bounded(2) ? Qt::Key_Down : Qt::Key_Up;
            QTest::keyClick(list, key);
            break;
        }
        default: {
            note(QStringLiteral("pick %1 in %2").arg(index).arg(where));
            list->showPopup();
            settle();
            if (!guard)
                return;
            QAbstractItemView *view = list->view();
            if (!view->isVisible()) {
                fail(QStringLiteral("the list %1 did not open").arg(where));
                return;
            }
            const QModelIndex item = list->model()->index(index, 0);
            view->scrollTo(item);
            settle();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
            if (guard && list->view()->isVisible())
                list->hidePopup();
            break;
        }
        }
    }

    void settle()
    {
        ++m_holdTicks;
        QCoreApplication::processEvents();
        --m_holdTicks;
    }

    QString randomText()
    {
        auto letters = [this](int n, char16_t first, int range) {
            QString s;
            for (int k = 0; k < n; ++k)
                s += QChar(char16_t(first + m_rng.bounded(range)));
            return s;
        };
        switch (m_rng.bounded(6)) {
        case 0:
            return letters(1 + int(m_rng.bounded(12)), u'a', 26);
        case 1: // Arabic letters
            return letters(1 + int(m_rng.bounded(12)), u'\u0627', 26);
        case 2: // mixed direction, digits, bidi marks
            return letters(3, u'\u0627', 26) + QStringLiteral(" Ali 12 ") + QChar(u'\u200F')
                + letters(2, u'\u0660', 10) + QChar(u'\u202E') + QStringLiteral("abc") + QChar(u'\u202C');
        case 3: { // control characters
            static const char16_t controls[] = {u'\t', u'\n', u'\r', u'\x01', u'\x1b', u'\x7f', u'\0', u'\uFEFF',
                                                u'\uFFFF', u'\u200D'};
            QString s;
            for (int k = 0; k < 6; ++k)
                s += QChar(controls[m_rng.bounded(int(std::size(controls)))]);
            return s;
        }
        case 4: // very long
            return letters(5000 + int(m_rng.bounded(60000)), u'\u0627', 26);
        default:
            return letters(2000, u'A', 26) + letters(2000, u'\u0627', 26);
        }
    }

    // Key by key: QTest knows only the printable ASCII keys, anything else
    // comes as a key event carrying its text, as from an input method.
    static void typeKeys(QWidget *w, const QString &text)
    {
        for (QChar ch : text) {
            if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f) {
                QTest::keyClick(w, char(ch.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QCoreApplication::sendEvent(w, &press);
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
                QCoreApplication::sendEvent(w, &release);
            }
        }
    }

    void type(QLineEdit *edit)
    {
        const QString where = edit->window()->objectName() + QLatin1Char('/') + edit->objectName();
        edit->setFocus(Qt::OtherFocusReason);
        const QString text = randomText();
        switch (m_rng.bounded(4)) {
        case 0:
            note(QStringLiteral("type %1 characters into %2").arg(text.size()).arg(where));
            if (text.size() <= 20) {
                typeKeys(edit, text);
            } else {
                // A long text comes as one input method commit.
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
                QCoreApplication::sendEvent(edit, &press);
            }
            break;
        case 1:
            note(QStringLiteral("paste %1 characters into %2").arg(text.size()).arg(where));
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            break;
        case 2:
            note(QStringLiteral("type %1 characters into %2").arg(qMin(text.size(), qsizetype(12))).arg(where));
            typeKeys(edit, text.left(12));
            break;
        default:
            note(QStringLiteral("clear %1").arg(where));
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Backspace);
            break;
        }
    }

    void menuEntry(QMainWindow *main)
    {
        QList<QAction *> entries;
        for (QMenu *menu : main->menuBar()->findChildren<QMenu *>())
            if (menu->menuAction()->isVisible())
                for (QAction *a : menu->actions())
                    if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                        entries << a;
        if (entries.isEmpty())
            return;
        QAction *a = entries.at(int(m_rng.bounded(qsizetype(entries.size()))));
        if (a->objectName() == QLatin1String("mnuQuit") && m_rng.bounded(8))
            a = entries.at(int(m_rng.bounded(qsizetype(entries.size()))));
        note(QStringLiteral("menu %1 %2").arg(a->objectName(), a->text()));
        a->trigger();
    }

    QRandomGenerator m_rng;
    quint32 m_seed;
    int m_target;
    int m_depth = 0;
    int m_holdTicks = 0;
    int m_prints = 0;
    int m_files = 0;
    bool m_keysOnly = false;
    bool m_finishing = false;
    bool m_restartPending = false;
    QWidget *m_lastModal = nullptr;
    int m_sameModalFor = 0;
    QString m_failure;
    QStringList m_recent;
    QEventLoop m_loop;
    QTimer m_watchdog;
    QElapsedTimer m_clock;
    qint64 m_lastProgress = 0;
    HangGuard m_guard;
    QtMessageHandler m_previousHandler = nullptr;
    static inline Walker *s_current = nullptr;
};

} // namespace walk
