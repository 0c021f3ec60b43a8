// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window in both languages into PNG files:
//   tarnavel-screenshots OUTPUT_DIR [GUIDE_DIR]
// Run it on the offscreen platform with a configured screen (see
// tools/screenshots.sh) to get the pictures for one screen size. With
// GUIDE_DIR it also writes the user guide's pictures there, one per window
// and language (<window>-<ar|en>.png), scaled to the guide's page.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "case/path.h"
#include "details/case_window.h"
#include "details/working_document.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QComboBox>
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
QString guideDir;

void grab(QWidget *w, const QString &name, int guideWidth = 520)
{
    w->show();
    QTest::qWait(150);
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                             .arg(outDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"))
                             .arg(s.width())
                             .arg(s.height());
    const QPixmap picture = w->grab();
    picture.save(file);
    printf("%s\n", qPrintable(file));
    // The guide shows the family questionnaire answered, not empty.
    if (!guideDir.isEmpty() && name != windows::Family) {
        const QString page = QStringLiteral("%1/%2-%3.png")
                                 .arg(guideDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"));
        picture.scaledToWidth(qMin(picture.width(), guideWidth), Qt::SmoothTransformation).save(page);
        printf("%s\n", qPrintable(page));
    }
}

void click(QWidget *w, const char *name)
{
    if (auto *b = w ? w->findChild<QAbstractButton *>(QString::fromLatin1(name)) : nullptr)
        b->click();
}

// Shows the page named `page` of the tab widget named `tabs` inside `w`;
// false when either is missing, so that no picture shows the wrong page.
bool showPage(QWidget *w, const char *tabs, const char *page)
{
    auto *t = w->findChild<QTabWidget *>(QLatin1String(tabs));
    QWidget *p = t ? t->findChild<QWidget *>(QLatin1String(page)) : nullptr;
    if (!p || t->indexOf(p) < 0)
        return false;
    t->setCurrentWidget(p);
    return true;
}

// The example of a man leaving his father, mother, a wife and one son.
void exampleCase(CaseRecord &c)
{
    c.FatherAlive = 1;
    c.MotherAlive = 1;
    c.WifeCount = 1;
    c.SonCount = 1;
}

// The case window's pages are read in the guide: wider than the others.
constexpr int CaseWidth = 640;

// The pages of relatives and schools and of the family tree, with a family
// beyond the questionnaires: a wife, the father's father's father, two full
// brothers, the father's paternal uncle's son and the mother's brother.
void relativesShots(CaseWindow *w, const QString &name)
{
    details::CaseState r;
    r.name = name;
    r.setCount(Relative::Wife, 1);
    r.setCount(Relative::FullBrother, 2);
    r.profile = Profile::Program;
    for (const char *path : {"father.father.father", "father.father.paternalBrother.son", "mother.brother"})
        if (const auto p = Path::parse(path))
            r.added.push_back({*p, 1});
    w->setCase(r);
    if (showPage(w, "tabs", "tabRelatives") && showPage(w, "tabsRelatives", "pageFamily"))
        grab(w, QStringLiteral("frmRelatives"), CaseWidth);
    if (showPage(w, "tabs", "tabRelatives") && showPage(w, "tabsRelatives", "pageCompare"))
        grab(w, QStringLiteral("frmRelatives-compare"), CaseWidth);
    if (showPage(w, "tabs", "tabTree")) {
        QTest::qWait(50);
        // Fit, as a user would on a page first opened after the family changed.
        click(w, "cmdFit");
        grab(w, QStringLiteral("frmCaseTree"), CaseWidth);
    }
}

// The case window: the worked example with an estate, the estate tab with
// a bad entry, a case with the grandfather's choice; and the document of the
// worked example as a PDF beside the pictures.
void caseWindowShots(int lang)
{
    auto *w = ui::windowAs<CaseWindow>(windows::CaseDetails);
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
    if (showPage(w, "tabs", "tabWorking"))
        grab(w, windows::CaseDetails, CaseWidth);
    if (showPage(w, "tabs", "tabEstate"))
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
    if (showPage(w, "tabs", "tabWorking"))
        grab(w, QStringLiteral("frmCase-grandfather"));

    // The obligatory bequest under the Egyptian code: a wife, a son and a
    // daughter, and a son who died before the deceased leaving a son and a
    // daughter, one of them given a ninth of the estate, and a daughter who
    // also died before, leaving a son.
    details::CaseState b;
    b.name = s.name;
    for (auto r : {Relative::Wife, Relative::Son, Relative::Daughter})
        b.setCount(r, 1);
    b.estate.value = QStringLiteral("120000");
    b.profile = Profile::Egypt;
    b.views = profileViews(Profile::Egypt);
    b.predeceased = {{*Path::parse("son"), {{*Path::parse("son"), 1}, {*Path::parse("daughter"), 1}},
                      {{*Path::parse("daughter"), {{*Path::parse("son"), 1}}, {}, {}}},
                      {{*Path::parse("daughter"), Rational(1, 9)}}}};
    w->setCase(b);
    if (showPage(w, "tabs", "tabRelatives") && showPage(w, "tabsRelatives", "pageFamily"))
        grab(w, QStringLiteral("frmCase-bequest-family"));
    if (showPage(w, "tabs", "tabRelatives") && showPage(w, "tabsRelatives", "pageBequest"))
        grab(w, QStringLiteral("frmCase-bequest"));
    if (showPage(w, "tabs", "tabTree")) {
        w->show();
        QTest::qWait(150);
        click(w, "cmdFit");
        grab(w, QStringLiteral("frmCase-bequest-tree"));
    }
    QPrinter bequestPrinter(QPrinter::HighResolution);
    bequestPrinter.setOutputFormat(QPrinter::PdfFormat);
    bequestPrinter.setOutputFileName(
        QStringLiteral("%1/frmCase-bequest-%2.pdf").arg(outDir, lang == 1 ? QStringLiteral("en") : QStringLiteral("ar")));
    details::document::print(w->documentParts(), bequestPrinter);

    relativesShots(w, s.name);
    w->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: tarnavel-screenshots OUTPUT_DIR [GUIDE_DIR]\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    if (argc > 2) {
        guideDir = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(guideDir);
    }
    app::initialise();
    // Pictures are taken without any modal notice.
    calculationHooks().noHeirsNotice = nullptr;
    calculationHooks().openResults = nullptr;

    for (const Language lang : {Language::Arabic, Language::English}) {
        theCase() = CaseRecord{};
        // The main window as it opens, then after the language choice.
        ui::discard(windows::Main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *main = ui::window(windows::Main);
        if (!main)
            continue;
        if (lang == Language::Arabic)
            grab(main, QStringLiteral("frmInherence-start"));
        click(main, lang == Language::English ? "Command3" : "Command4");
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(lang);
        grab(main, windows::Main);

        exampleCase(theCase());
        for (const QString &name : {windows::DeceasedEntry, windows::Family, windows::Method, windows::Collateral, windows::About}) {
            if (QWidget *w = ui::window(name)) {
                grab(w, name);
                w->hide();
            }
        }
        // The family questionnaire part-way through the example, as the
        // guide shows it: each answer brings the next question.
        if (QWidget *w = ui::window(windows::Family)) {
            for (const char *option : {"optFatherYes", "optMotherYes", "optMarriedYes"})
                click(w, option);
            if (auto *wives = w->findChild<QComboBox *>(QStringLiteral("cmbWifes"))) {
                wives->setCurrentIndex(1);
                emit wives->activated(1);
            }
            click(w, "optWithKids");
            grab(w, QStringLiteral("frmFathers-answered"));
            w->hide();
        }
        theCase() = CaseRecord{};
        theCase().Language = std::int16_t(lang);
        exampleCase(theCase());
        Recalculate(theCase());
        if (QWidget *w = ui::window(windows::Results)) {
            grab(w, windows::Results);
            w->hide();
        }
        caseWindowShots(int(lang));
        if (QWidget *w = ui::window(windows::AfterResults)) {
            grab(w, windows::AfterResults);
            ui::discard(windows::AfterResults);
            w->hide();
        }
        // The documents: the science text of the language and the guide.
        for (const QString &name : {lang == Language::Arabic ? windows::Notes : windows::ScienceEn, windows::Guide}) {
            if (QWidget *w = ui::window(name)) {
                grab(w, name);
                ui::discard(name);
            }
        }
        ui::discardCaseWindows();
        ui::discard(windows::About);
        ui::discard(windows::CaseDetails);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
