// SPDX-License-Identifier: GPL-3.0-or-later
// Help as a user reaches it: the guide and the science documents from every
// entry point in the right language and direction, F1 in each window landing
// on that window's section, and every link and picture of the guides found.
// With TARNAVEL_SHOTS=<folder> it also saves what each document window showed.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "tests/gui_support.h"
#include "ui/help.h"
#include "ui/language.h"
#include "ui/program_end.h"
#include "ui/window_registry.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

QTextBlock anchorBlock(const QTextDocument *doc, const QString &name)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return b;
    return QTextBlock();
}

QString resourceText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// What a document window showed when it came up.
struct Seen
{
    QString window;
    QString document;
    QString fragment;
    Qt::LayoutDirection windowDirection = Qt::LeftToRight;
    Qt::LayoutDirection textDirection = Qt::LeftToRight;
    int scroll = -1;
    int anchorTop = -1;
    int scrollMax = -1;
};

// Records what a document window shows once its section is in place.
void record(QWidget *m, Seen *seen)
{
        QTest::qWait(50); // the section is reached once the window is laid out
        seen->window = m->objectName();
        seen->windowDirection = m->layoutDirection();
        if (auto *t = m->findChild<QTextBrowser *>()) {
            seen->document = t->source().fileName();
            seen->fragment = t->source().fragment();
            seen->textDirection = t->document()->begin().next().blockFormat().layoutDirection();
            seen->scroll = t->verticalScrollBar()->value();
            seen->scrollMax = t->verticalScrollBar()->maximum();
            if (QTextBlock b = anchorBlock(t->document(), seen->fragment); b.isValid())
                seen->anchorTop = int(t->document()->documentLayout()->blockBoundingRect(b).top());
        }
        // With TARNAVEL_SHOTS=<folder>: the window as the user sees it.
        if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty())
            m->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, seen->document, seen->fragment));
}

// Records the next modal window, then closes it with its Close button.
void recordNextDocument(Seen *seen)
{
    onNextModal([seen](QWidget *m) {
        record(m, seen);
        m->findChild<QPushButton *>(m->objectName() == "frmNotes" ? "Command1" : "cmdClose")->click();
    });
}

} // namespace

class tst_help : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entryPoints_data();
    void entryPoints();
    void f1LandsOnTheWindowsSection_data();
    void f1LandsOnTheWindowsSection();
    void f1OnACaseWindowPage_data();
    void f1OnACaseWindowPage();
    void linksResolve_data();
    void linksResolve();
    void everyWindowHasItsSection();
    void everyTableRowHasItsCells_data();
    void everyTableRowHasItsCells();
    void glossaryLinkOpensTheScienceAndBackReturns_data();
    void glossaryLinkOpensTheScienceAndBackReturns();

private:
    QWidget *mainWindow() { return ui::window(QStringLiteral("frmInherence")); }
    void chooseLanguage(int lang)
    {
        mainWindow()->findChild<QPushButton *>(lang == 1 ? "Command3" : "Command4")->click();
    }
};

void tst_help::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    program::setQuitFunction([] {});
    app::initialise();
    calculationHooks().openResults = nullptr;
    calculationHooks().noHeirsNotice = nullptr;
    ui::showModeless(QStringLiteral("frmInherence"));
}

void tst_help::cleanup()
{
    while (QWidget *m = QApplication::activeModalWidget())
        m->hide();
    ui::resetRegistry();
    program::setQuitFunction({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    language::applyToApplication(Language::Arabic);
}

void tst_help::entryPoints_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("helpFileBeside");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("document");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("Arabic help entry") << 0 << "mnuhelp1" << false << "frmGuide" << "guide_ar.html" << Qt::RightToLeft;
    QTest::newRow("Arabic help entry, a TARNAVEL.HLP beside the program")
        << 0 << "mnuhelp1" << true << "frmGuide" << "guide_ar.html" << Qt::RightToLeft;
    QTest::newRow("Arabic science") << 0 << "mnuInheretence" << false << "frmNotes" << "science.html" << Qt::RightToLeft;
    QTest::newRow("English user guide") << 1 << "mnuhelp1" << false << "frmGuide" << "guide_en.html" << Qt::LeftToRight;
    QTest::newRow("English science") << 1 << "mnuScienceEn" << false << "frmScienceEn" << "science_en.html"
                                     << Qt::LeftToRight;
}

void tst_help::entryPoints()
{
    QFETCH(int, lang);
    QFETCH(QString, entry);
    QFETCH(bool, helpFileBeside);
    QFETCH(QString, window);
    QFETCH(QString, document);
    QFETCH(Qt::LayoutDirection, direction);

    // A help file next to the program changes nothing: help is built in.
    QFile stray(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TARNAVEL.HLP")));
    if (helpFileBeside)
        QVERIFY(stray.open(QIODevice::WriteOnly) && stray.write("help") == 4);
    stray.close();
    const auto removeStray = qScopeGuard([&] { if (helpFileBeside) stray.remove(); });

    chooseLanguage(lang);
    auto *action = mainWindow()->findChild<QAction *>(entry);
    QVERIFY(action);
    QVERIFY(action->isVisible());
    Seen seen;
    recordNextDocument(&seen);
    action->trigger();
    QCOMPARE(seen.window, window);
    QCOMPARE(seen.document, document);
    QCOMPARE(seen.windowDirection, direction);
    QCOMPARE(seen.textDirection, direction);
    QVERIFY(!ui::isLoaded(window)); // closed, so it comes back in the language then chosen
}

void tst_help::f1LandsOnTheWindowsSection_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("window");
    const QStringList windows = {"frmInherence", "Inheretence", "frmFathers", "frmJadd", "frmBrothers",
                                 "Results", "frmwhattodo", "frmAbout", "frmNotes", "frmScienceEn", "frmGuide"};
    for (int lang : {0, 1})
        for (const QString &w : windows)
            if (!(w == "frmNotes" && lang == 1) && !(w == "frmScienceEn" && lang == 0))
                QTest::addRow("%s %s", lang ? "English" : "Arabic", qPrintable(w)) << lang << w;
}

void tst_help::f1LandsOnTheWindowsSection()
{
    QFETCH(int, lang);
    QFETCH(QString, window);
    chooseLanguage(lang);
    theCase().FatherAlive = 1;
    theCase().MotherAlive = 1;
    theCase().WifeCount = 1;
    theCase().SonCount = 1;
    Recalculate(theCase());

    QWidget *w = ui::window(window);
    QVERIFY(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // From the window's first control, as a user in it would press the key.
    QWidget *target = w->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    Seen seen;
    if (window == QLatin1String("frmGuide")) { // the guide moves to its own section
        QTest::keyClick(target ? target : w, Qt::Key_F1);
        record(w, &seen);
    } else {
        recordNextDocument(&seen);
        QTest::keyClick(target ? target : w, Qt::Key_F1);
    }
    QCOMPARE(seen.window, QStringLiteral("frmGuide"));
    QCOMPARE(seen.document, lang ? QStringLiteral("guide_en.html") : QStringLiteral("guide_ar.html"));
    QCOMPARE(seen.fragment, window);
    QVERIFY2(seen.anchorTop > 0, "the guide has no section for the window");
    // The section's heading is at the top of the view (or the view is at
    // the end of the guide).
    QVERIFY2(qAbs(seen.scroll - qMin(seen.anchorTop, seen.scrollMax)) <= 20,
             qPrintable(QStringLiteral("scrolled to %1, section at %2").arg(seen.scroll).arg(seen.anchorTop)));
    w->hide();
}

// The case window's pages with a section of their own land there; the
// others on the window's section.
void tst_help::f1OnACaseWindowPage_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("section");
    for (int lang : {0, 1}) {
        const char *l = lang ? "English" : "Arabic";
        QTest::addRow("%s working", l) << lang << "tabWorking" << "frmCase";
        QTest::addRow("%s relatives and schools", l) << lang << "tabRelatives" << "frmRelatives";
        QTest::addRow("%s family tree", l) << lang << "tabTree" << "frmCaseTree";
    }
}

void tst_help::f1OnACaseWindowPage()
{
    QFETCH(int, lang);
    QFETCH(QString, page);
    QFETCH(QString, section);
    chooseLanguage(lang);
    QWidget *w = ui::window(QStringLiteral("frmCase"));
    QVERIFY(w);
    auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));
    auto *shown = tabs->findChild<QWidget *>(page);
    QVERIFY(shown);
    tabs->setCurrentWidget(shown);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // From a control inside the page.
    QWidget *target = shown->findChild<QWidget *>();
    QVERIFY(target);
    Seen seen;
    recordNextDocument(&seen);
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(seen.document, lang ? QStringLiteral("guide_en.html") : QStringLiteral("guide_ar.html"));
    QCOMPARE(seen.fragment, section);
    QVERIFY2(seen.anchorTop > 0, "the guide has no section for the page");
    w->hide();
}

void tst_help::linksResolve_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("science");
    QTest::newRow("Arabic guide") << "guide_ar.html" << "science.html";
    QTest::newRow("English guide") << "guide_en.html" << "science_en.html";
}

void tst_help::linksResolve()
{
    QFETCH(QString, document);
    QFETCH(QString, science);
    const QString html = resourceText(QStringLiteral(":/doc/") + document);
    QVERIFY(!html.isEmpty());
    QHash<QString, QSet<QString>> anchors; // document -> its anchors
    auto anchorsOf = [&](const QString &doc) -> const QSet<QString> & {
        if (!anchors.contains(doc)) {
            QSet<QString> names;
            const QString text = resourceText(QStringLiteral(":/doc/") + doc);
            static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
            for (auto m = name.globalMatch(text); m.hasNext();)
                names.insert(m.next().captured(1));
            anchors.insert(doc, names);
        }
        return anchors[doc];
    };

    int intoScience = 0;
    static const QRegularExpression href(QStringLiteral("<a\\s+href=\"([^\"]+)\""));
    for (auto m = href.globalMatch(html); m.hasNext();) {
        const QString link = m.next().captured(1);
        const QString target = link.section(u'#', 0, 0).isEmpty() ? document : link.section(u'#', 0, 0);
        const QString fragment = link.section(u'#', 1);
        QVERIFY2(QFile::exists(QStringLiteral(":/doc/") + target), qPrintable(link));
        QVERIFY2(fragment.isEmpty() || anchorsOf(target).contains(fragment), qPrintable(link));
        intoScience += target == science;
        QVERIFY2(target == document || target == science, qPrintable(link + " leaves the language"));
    }
    QVERIFY2(intoScience >= 15, qPrintable(QString::number(intoScience)));

    // Pictures: the screenshot tool's, in the guide's language.
    int pictures = 0;
    static const QRegularExpression img(QStringLiteral("<img\\s+src=\"([^\"]+)\""));
    const QString suffix = document.contains(QLatin1String("_ar")) ? QStringLiteral("-ar.png") : QStringLiteral("-en.png");
    for (auto m = img.globalMatch(html); m.hasNext(); ++pictures) {
        const QString src = m.next().captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(":/doc/") + src), qPrintable(src));
        QVERIFY2(src.endsWith(suffix), qPrintable(src));
    }
    QVERIFY(pictures >= 6);
}

// A window added to the program needs its section in both guides, or F1
// there would open the guide at its start.
void tst_help::everyWindowHasItsSection()
{
    const QStringList windows = ui::registeredWindows();
    QVERIFY(windows.size() >= 11);
    for (const char *guide : {"guide_ar.html", "guide_en.html"}) {
        QTextDocument doc;
        doc.setHtml(resourceText(QStringLiteral(":/doc/") + QLatin1String(guide)));
        for (const QString &w : windows)
            QVERIFY2(anchorBlock(&doc, w).isValid(), qPrintable(QStringLiteral("%1 in %2").arg(w, guide)));
    }
}

void tst_help::everyTableRowHasItsCells_data()
{
    QTest::addColumn<QString>("document");
    for (const char *d : {"guide_ar.html", "guide_en.html", "science.html", "science_en.html"})
        QTest::newRow(d) << QString::fromLatin1(d);
}

// Text outside a cell shows as a stray word beside the table, and a row short
// of cells leaves a column empty.
void tst_help::everyTableRowHasItsCells()
{
    QFETCH(QString, document);
    const QString html = resourceText(QStringLiteral(":/doc/") + document);
    const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression table(QStringLiteral("<table[^>]*>(.*?)</table>"), dotAll);
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"), dotAll);
    static const QRegularExpression cell(QStringLiteral("<t([dh])[^>]*>.*?</t\\1>"), dotAll);
    int rows = 0;
    for (auto t = table.globalMatch(html); t.hasNext();) {
        int columns = -1;
        for (auto r = row.globalMatch(t.next().captured(1)); r.hasNext(); ++rows) {
            const QString cells = r.next().captured(1);
            QString outside = cells;
            outside.remove(cell);
            QVERIFY2(outside.trimmed().isEmpty(), qPrintable(cells));
            if (columns < 0)
                columns = int(cells.count(cell));
            QVERIFY2(cells.count(cell) == columns, qPrintable(cells));
        }
    }
    QVERIFY(rows > 10);
}

void tst_help::glossaryLinkOpensTheScienceAndBackReturns_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("link");
    QTest::newRow("Arabic") << 0 << "science.html#awl";
    QTest::newRow("English") << 1 << "science_en.html#awl";
}

void tst_help::glossaryLinkOpensTheScienceAndBackReturns()
{
    QFETCH(int, lang);
    QFETCH(QString, link);
    chooseLanguage(lang);
    QString shown;
    QString back;
    onNextModal([&](QWidget *m) {
        QTest::qWait(50);
        auto *t = m->findChild<QTextBrowser *>();
        if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty())
            m->grab().save(QStringLiteral("%1/%2-glossary.png").arg(shots, t->source().fileName()));
        // The link as the reader sees it in the glossary, clicked.
        QTextCursor at;
        for (QTextBlock b = t->document()->begin(); b.isValid() && at.isNull(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == link) {
                    at = QTextCursor(t->document());
                    at.setPosition(it.fragment().position() + 1);
                    break;
                }
        if (!at.isNull()) {
            t->setTextCursor(at);
            t->ensureCursorVisible();
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->cursorRect(at).center());
            shown = t->source().fileName() + u'#' + t->source().fragment();
            m->findChild<QPushButton *>("cmdBack")->click();
            back = t->source().fileName() + u'#' + t->source().fragment();
        }
        m->findChild<QPushButton *>("cmdClose")->click();
    });
    help::openGuide(QStringLiteral("glossary"));
    QCOMPARE(shown, link);
    QCOMPARE(back, lang ? QStringLiteral("guide_en.html#glossary") : QStringLiteral("guide_ar.html#glossary"));
}

QTEST_MAIN(tst_help)
#include "tst_help.moc"
