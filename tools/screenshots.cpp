// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window in both languages into PNG files:
//   tarnavel-screenshots OUTPUT_DIR
// Run it on the offscreen platform with a configured screen (see
// tools/screenshots.sh) to get the pictures for one screen size.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "details/case_window.h"
#include "details/working_document.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString outDir;

void grab(QWidget *w, const QString &name)
{
    w->show();
    QTest::qWait(150);
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                             .arg(outDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"))
                             .arg(s.width())
                             .arg(s.height());
    w->grab().save(file);
    printf("%s\n", qPrintable(file));
}

void click(QWidget *w, const char *name)
{
    if (auto *b = w ? w->findChild<QAbstractButton *>(QString::fromLatin1(name)) : nullptr)
        b->click();
}

// The example of a man leaving his father, mother, a wife and one son.
void exampleCase(CaseRecord &c)
{
    c.FatherAlive = 1;
    c.MotherAlive = 1;
    c.WifeCount = 1;
    c.SonCount = 1;
}

// The case window: the worked example with an estate, the estate tab with
// a bad entry, a case with the grandfather's choice; and the document of the
// worked example as a PDF beside the pictures.
void caseWindowShots(int lang)
{
    auto *w = ui::windowAs<CaseWindow>(QStringLiteral("frmCase"));
    if (!w)
        return;
    details::CaseState s;
    s.name = lang == 1 ? QStringLiteral("Ahmad Salim") : QString::fromUtf8("\u0623\u062d\u0645\u062f \u0633\u0627\u0644\u0645");
    for (auto r : {Relative::Father, Relative::Mother, Relative::Wife, Relative::Son})
        s.setCount(r, 1);
    s.setCount(Relative::FullBrother, 2);
    s.estate.value = QStringLiteral("120000");
    s.estate.funeralCosts = QStringLiteral("2500");
    s.estate.debts = QStringLiteral("10000");
    s.estate.bequest = QStringLiteral("50000");
    w->setCase(s);
    auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));
    tabs->setCurrentIndex(0);
    grab(w, QStringLiteral("frmCase"));
    tabs->setCurrentIndex(1);
    grab(w, QStringLiteral("frmCase-estate"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("%1/frmCase-%2.pdf").arg(outDir, lang == 1 ? QStringLiteral("en") : QStringLiteral("ar")));
    details::document::print(w->documentParts(), printer);
    if (auto *estate = w->findChild<QLineEdit *>(QStringLiteral("txtDebts")))
        estate->setText(QStringLiteral("12,5"));
    grab(w, QStringLiteral("frmCase-estate-error"));

    details::CaseState g;
    g.name = s.name;
    for (auto r : {Relative::GrandFather, Relative::Mother, Relative::FullSister})
        g.setCount(r, 1);
    g.setCount(Relative::FullBrother, 2);
    g.setCount(Relative::ParentalBrother, 1);
    w->setCase(g);
    tabs->setCurrentIndex(0);
    grab(w, QStringLiteral("frmCase-grandfather"));
    w->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: tarnavel-screenshots OUTPUT_DIR\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    app::initialise();
    // Pictures are taken without any modal notice.
    calculationHooks().noHeirsNotice = nullptr;
    calculationHooks().openResults = nullptr;

    for (int lang : {0, 1}) {
        theCase() = CaseRecord{};
        // The main window as it opens, then after the language choice.
        ui::discard(QStringLiteral("frmInherence"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *main = ui::window(QStringLiteral("frmInherence"));
        if (!main)
            continue;
        if (lang == 0)
            grab(main, QStringLiteral("frmInherence-start"));
        click(main, lang == 1 ? "Command3" : "Command4");
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(lang);
        grab(main, QStringLiteral("frmInherence"));

        exampleCase(theCase());
        for (const char *name : {"Inheretence", "frmFathers", "frmJadd", "frmBrothers", "frmAbout"}) {
            if (QWidget *w = ui::window(QString::fromLatin1(name))) {
                grab(w, QString::fromLatin1(name));
                w->hide();
            }
        }
        theCase() = CaseRecord{};
        theCase().Language = std::int16_t(lang);
        exampleCase(theCase());
        Recalculate(theCase());
        if (QWidget *w = ui::window(QStringLiteral("Results"))) {
            grab(w, QStringLiteral("Results"));
            w->hide();
        }
        caseWindowShots(lang);
        if (QWidget *w = ui::window(QStringLiteral("frmwhattodo"))) {
            grab(w, QStringLiteral("frmwhattodo"));
            ui::discard(QStringLiteral("frmwhattodo"));
            w->hide();
        }
        if (lang == 0) {
            if (QWidget *w = ui::window(QStringLiteral("frmNotes"))) {
                grab(w, QStringLiteral("frmNotes"));
                w->hide();
            }
        }
        ui::discardCaseWindows();
        ui::discard(QStringLiteral("frmAbout"));
        ui::discard(QStringLiteral("frmNotes"));
        ui::discard(QStringLiteral("frmCase"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
