// SPDX-License-Identifier: GPL-3.0-or-later
// One whole case through the program's own windows, clicked as a user
// clicks it: the language, start, the deceased's name, the family
// questionnaire to the worked example (father, mother, a wife, a son), the
// results window, a print to PDF, back to the main window. Prints the time
// from the last answer to the results window painted, the time from the
// print button to the PDF written, the time of further prints of the same
// report, and the process's peak memory over the case.
// Run it on a real X server (xvfb-run); tools/benchmark.sh does.
// Usage: bench_case [ar|en] [prints] [kept PDF]

#include "app.h"
#include "case/case_record.h"
#include "report/ui/print_results.h"
#include "report/ui/printing.h"
#include "ui/fonts.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <vector>

namespace {

QElapsedTimer clock_;
double nowMs() { return double(clock_.nsecsElapsed()) / 1e6; }

QWidget *modal(const QString &name)
{
    QWidget *m = QApplication::activeModalWidget();
    return m && m->isVisible() && m->objectName() == name ? m : nullptr;
}

template<class T> T *find(const QString &window, const char *name)
{
    QWidget *w = ui::loadedWindow(window);
    return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
}

bool onScreen(QWidget *w) { return w && w->isVisible(); }

void click(QAbstractButton *b)
{
    QPoint at = b->rect().center();
    if (qobject_cast<QRadioButton *>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        at = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, b).center();
    }
    QTest::mouseClick(b, Qt::LeftButton, {}, at);
}

void clickEntry(QComboBox *combo, int index)
{
    QAbstractItemView *view = combo->view();
    const QModelIndex item = combo->model()->index(index, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

// Runs each step once its condition holds. Each action runs from its own
// zero timer, so that one blocked in a modal window's exec() leaves the
// polling free to drive that window.
class Script : public QObject
{
public:
    struct Step
    {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void then(QString what, std::function<bool()> ready, std::function<void()> act)
    {
        m_steps.push_back({std::move(what), std::move(ready), std::move(act)});
    }
    void start()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(1);
        m_deadline.start();
    }
    bool failed = false;

private:
    void poll()
    {
        if (m_steps.empty()) {
            m_poll.stop();
            QCoreApplication::exit(0);
            return;
        }
        if (m_deadline.elapsed() > 30000) {
            std::fprintf(stderr, "bench_case: stuck before '%s'\n", qPrintable(m_steps.front().what));
            failed = true;
            m_poll.stop();
            QCoreApplication::exit(1);
            return;
        }
        if (!m_steps.front().ready())
            return;
        auto act = std::move(m_steps.front().act);
        m_steps.pop_front();
        QTimer::singleShot(0, this, std::move(act));
    }
    std::deque<Step> m_steps;
    QTimer m_poll;
    QElapsedTimer m_deadline;
};

// Notes when the results window is first painted and when the after-results
// window is first shown.
class Watch : public QObject
{
public:
    double resultsExposed = -1;
    double resultsPainted = -1;
    double afterResultsShown = -1;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (resultsExposed < 0 && e->type() == QEvent::Expose
            && o->objectName() == QLatin1String("ResultsWindow")) // the QWindow under "Results"
            resultsExposed = nowMs();
        if (resultsPainted < 0 && e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget *>(o)->window()->objectName() == windows::Results) {
            // The paint runs after this filter; the flush to the screen
            // follows in the same pass, before any timer.
            resultsPainted = 0;
            QTimer::singleShot(0, this, [this] { resultsPainted = nowMs(); });
        }
        if (afterResultsShown < 0 && e->type() == QEvent::Show
            && o->objectName() == windows::AfterResults)
            afterResultsShown = nowMs();
        return false;
    }
};

// A line of /proc/self/status such as "RssAnon:", in MB.
double statusMb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool english = argc > 1 && QByteArray(argv[1]) == "en";
    const int prints = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

    QTemporaryDir dir;
    const QString pdf = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.filePath(QStringLiteral("case.pdf"));
    printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));

    app::initialise();
    ui::showModeless(windows::Main);

    Watch watch;
    application.installEventFilter(&watch);
    clock_.start();

    double lastAnswer = 0, printClicked = 0;
    CaseRecord calculated;
    Script s;
    const auto mainWindow = [] { return ui::loadedWindow(windows::Main); };
    s.then("main window", [&] { return mainWindow()->windowHandle() && mainWindow()->windowHandle()->isExposed(); },
           [&] { click(find<QPushButton>(windows::Main, english ? "Command3" : "Command4")); });
    s.then("start", [&] { return onScreen(find<QPushButton>(windows::Main, "Command1")); },
           [&] { click(find<QPushButton>(windows::Main, "Command1")); });
    s.then("deceased", [] { return modal(windows::DeceasedEntry); }, [] {
        QTest::keyClicks(find<QLineEdit>(windows::DeceasedEntry, "txtNameofDead"), QStringLiteral("Khalid"));
        click(find<QPushButton>(windows::DeceasedEntry, "cmdok1"));
    });
    for (const char *option : {"optFatherYes", "optMotherYes", "optMarriedYes"}) {
        s.then(option, [option] { return modal(windows::Family) && onScreen(find<QRadioButton>(windows::Family, option)); },
               [option] { click(find<QRadioButton>(windows::Family, option)); });
    }
    const auto pickEntry = [&](const char *list, int index, bool last, const char *optionAfter) {
        s.then(list, [list] { return onScreen(find<QComboBox>(windows::Family, list)); },
               [list] { find<QComboBox>(windows::Family, list)->showPopup(); });
        s.then(list, [list] { return find<QComboBox>(windows::Family, list)->view()->isVisible(); }, [=, &lastAnswer] {
            if (last)
                lastAnswer = nowMs();
            clickEntry(find<QComboBox>(windows::Family, list), index);
        });
        if (optionAfter) {
            s.then(optionAfter, [=] { return onScreen(find<QRadioButton>(windows::Family, optionAfter)); },
                   [=] { click(find<QRadioButton>(windows::Family, optionAfter)); });
        }
    };
    pickEntry("cmbWifes", 1, false, "optWithKids");
    pickEntry("cmbSons", 1, false, nullptr);
    pickEntry("cmbDaughters", 0, true, nullptr);
    s.then("results", [&] { return watch.resultsPainted > 0; }, [&] {
        calculated = theCase();
        printClicked = nowMs();
        click(find<QPushButton>(windows::Results, "cmdPrint"));
    });
    s.then("after results", [] { return modal(windows::AfterResults); },
           [] { click(find<QPushButton>(windows::AfterResults, "Command3")); });
    s.then("back at the main window", [] { return !QApplication::activeModalWidget(); }, [] {});
    s.start();

    if (application.exec() != 0 || s.failed)
        return 1;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double caseMaxRssMb = double(usage.ru_maxrss) / 1024.0;
    const double anonMb = statusMb("RssAnon:"), fileMb = statusMb("RssFile:"), shmMb = statusMb("RssShmem:");
    const qint64 pdfSize = QFileInfo(pdf).size();
    if (pdfSize < 1000 || calculated.ShareTotal <= 0) {
        std::fprintf(stderr, "bench_case: no report (pdf %lld bytes, share total %g)\n", pdfSize,
                     calculated.ShareTotal);
        return 1;
    }

    // The same report printed again, the fonts and the PDF engine warm.
    theCase() = calculated;
    std::vector<double> again;
    for (int k = 0; k < prints; ++k) {
        const double t0 = nowMs();
        QPrinter printer(QPrinter::HighResolution);
        printing::PdfFileChooser(dir.filePath(QStringLiteral("again.pdf"))).choose(printer, nullptr);
        if (!printing::PrintResults(printer))
            return 1;
        again.push_back(nowMs() - t0);
    }

    std::printf("case (%s): results shown %.1f ms after the last answer "
                "(exposed at %.1f ms); print to PDF %.1f ms "
                "(%lld bytes), again %.1f ms (median of %d); peak memory %.1f MB "
                "(at the end %.1f MB private, %.1f MB of libraries and files, "
                "%.1f MB of window images shared with the X server)\n",
                english ? "en" : "ar", watch.resultsPainted - lastAnswer,
                watch.resultsExposed - lastAnswer,
                watch.afterResultsShown - printClicked, pdfSize, median(again), prints, caseMaxRssMb, anonMb, fileMb, shmMb);
    return 0;
}
