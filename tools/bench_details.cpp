// SPDX-License-Identifier: GPL-3.0-or-later
// The case window's speed, in the program's own window on a real X server
// (tools/benchmark.sh runs it under xvfb-run): a family count changed and an
// estate entry changed, each until the whole window is painted again, and a case
// saved and opened; then a family of forty relatives over six generations
// changed in the family tab until the window (tree and chart) is painted again.
// Prints the median and the slowest of each.
// Usage: bench_details [ar|en] [repeats]

#include "ui/window_names.h"
#include "app.h"
#include "details/case_window.h"
#include "details/family_tab.h"
#include "details/schools_compare.h"
#include "details/tree_model.h"
#include "tools/tree_families.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Figures
{
    std::vector<double> ms;
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double slowest() { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

template<class F> double timed(F f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// The processor time of this thread, in ms: on a machine shared with other
// work the wall clock measures the others too.
template<class F> double cpuTimed(F f)
{
    auto now = [] {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
    };
    const double start = now();
    f();
    return now() - start;
}

// The whole window painted, as the next frame would paint it, into an image:
// the X server's own time to put it on screen (a round trip to a loaded
// Xvfb) is not the window's.
void paintWindow(QWidget *w)
{
    QCoreApplication::sendPostedEvents();   // layouts the change requested
    static QImage image;
    if (image.size() != w->size())
        image = QImage(w->size(), QImage::Format_ARGB32_Premultiplied);
    w->render(&image);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int lang = argc > 1 && QByteArray(argv[1]) == "en" ? 1 : 0;
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 200;
    theCase().Language = std::int16_t(lang);
    app::initialise();

    auto *w = ui::windowAs<CaseWindow>(windows::CaseDetails);
    // A large family with the grandfather's choice: both methods, exclusions
    // and every table filled.
    details::CaseState s;
    for (auto [r, n] : {std::pair{Relative::GrandFather, 1}, {Relative::Mother, 1}, {Relative::Wife, 4},
                        {Relative::Daughter, 3}, {Relative::FullBrother, 7}, {Relative::FullSister, 5},
                        {Relative::ParentalBrother, 2}, {Relative::FullUncle, 3}})
        s.setCount(r, n);
    s.estate.value = QStringLiteral("1234567.89");
    s.estate.debts = QStringLiteral("1000");
    s.estate.bequest = QStringLiteral("500000");
    w->setCase(s);
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) {
        std::fprintf(stderr, "bench_details: the window was not shown\n");
        return 1;
    }
    auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));

    Figures family, money, save, open;
    auto *sisters = w->findChild<QSpinBox *>(QStringLiteral("spnFullSister"));
    tabs->setCurrentIndex(0);
    for (int k = 0; k < repeats; ++k)
        family.ms.push_back(timed([&] {
            sisters->setValue(1 + k % 9);
            paintWindow(w);
        }));
    auto *value = w->findChild<QLineEdit *>(QStringLiteral("txtEstate"));
    tabs->setCurrentIndex(1);
    for (int k = 0; k < repeats; ++k)
        money.ms.push_back(timed([&] {
            value->setText(QString::number(1000000 + 37 * k) + QStringLiteral(".25"));
            paintWindow(w);
        }));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.tarnavel"));
    for (int k = 0; k < repeats; ++k) {
        save.ms.push_back(timed([&] { w->saveFile(path); }));
        open.ms.push_back(timed([&] { w->openFile(path); }));
    }
    std::printf("case window (%s): family change %.2f ms (slowest %.2f), estate change %.2f ms (slowest %.2f),"
                " save %.2f ms (slowest %.2f), open %.2f ms (slowest %.2f)\n",
                lang ? "en" : "ar", family.median(), family.slowest(), money.median(), money.slowest(),
                save.median(), save.slowest(), open.median(), open.slowest());

    // The family tab with forty relatives: one count changes, the family is
    // worked out, placed and painted again.
    tabs->setCurrentWidget(w->familyTab());
    engine::Family large = treefamilies::family(QString::fromLatin1(treefamilies::Large));
    std::size_t sons = 0;
    while (sons < large.members.size() && large.members[sons].path.text() != "son")
        ++sons;
    details::tree::Money estate;
    estate.given = true;
    estate.input.estate = "1234567.89";
    Figures tree;
    for (int k = 0; k < repeats; ++k)
        tree.ms.push_back(timed([&] {
            large.members[sons].count = 1 + k % 5;
            w->familyTab()->setFamily(large, Language(lang), estate);
            paintWindow(w);
        }));
    // Of which the tree's model alone: worked out, placed, its texts composed.
    Figures model;
    details::tree::TreeModel alone;
    for (int k = 0; k < repeats; ++k)
        model.ms.push_back(timed([&] {
            large.members[sons].count = 1 + k % 5;
            alone.setFamily(large, Language(lang), estate);
        }));
    // And the tab alone (tree and chart), without the rest of the window,
    // by the clock and in processor time.
    Figures tab, tabCpu;
    for (int k = 0; k < repeats; ++k) {
        auto change = [&] {
            large.members[sons].count = 1 + k % 5;
            w->familyTab()->setFamily(large, Language(lang), estate);
            paintWindow(w->familyTab());
        };
        tab.ms.push_back(timed(change));
        tabCpu.ms.push_back(cpuTimed(change));
    }
    // The schools side by side: the family of forty worked out under every
    // profile, the table and its sentences composed.
    Figures schools;
    details::SchoolsModel compared;
    compared.setLanguage(Language(lang));
    for (int k = 0; k < repeats; ++k)
        schools.ms.push_back(timed([&] {
            large.members[sons].count = 1 + k % 5;
            compared.setFamily(large, Profile::Program, 1234567.89);
        }));
    std::printf("case window (%s): the family of 40 under all %d profiles compared %.2f ms (slowest %.2f)\n",
                lang ? "en" : "ar", ProfileCount, schools.median(), schools.slowest());
    std::printf("case window (%s): family of 40 changed to the window painted %.2f ms (slowest %.2f),"
                " to the family tab painted %.2f ms (slowest %.2f; processor time %.2f ms),"
                " the tree's model %.2f ms (slowest %.2f)\n",
                lang ? "en" : "ar", tree.median(), tree.slowest(), tab.median(), tab.slowest(), tabCpu.median(),
                model.median(), model.slowest());
    return 0;
}
