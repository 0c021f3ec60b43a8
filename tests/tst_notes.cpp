// SPDX-License-Identifier: GPL-3.0-or-later
// The inheritance-science window: its layout, the document it shows, the
// exactness of the quoted verses, and how it is reached from the main window.
#include "app.h"
#include "case/case_record.h"
#include "shell/notes/frm_notes.h"
#include "shell/notes/notes_layout.h"
#include "shell/notes/register_notes.h"
#include "shell/register_shell.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

QString normalised(QString s)
{
    return s.simplified();
}

// The sections a reader must find, by their anchors.
const QStringList requiredSections = {
    "definition", "estate", "causes", "conditions", "impediments", "heirs", "shares",
    "residuaries", "exclusion", "grandfather", "named-cases", "umariyyatan", "mushtaraka",
    "akdariyya", "minbariyya", "awl", "radd", "treasury", "calculation", "examples",
    "views", "sources", "grandmothers", "tashih", "munasakhat", "haml", "mafqud", "khuntha",
    "gharqa", "takharuj"};

QSet<QString> anchorsOf(const QTextDocument *doc)
{
    QSet<QString> names;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QString &n : it.fragment().charFormat().anchorNames())
                names.insert(n);
    return names;
}

} // namespace

class tst_notes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fonts::installSubstitutions();
        language::applyToApplication(Language::Arabic);
    }
    void init()
    {
        ui::resetRegistry();
        theCase() = CaseRecord{};
        registerNotesWindow();
    }
    void cleanup()
    {
        while (QWidget *m = QApplication::activeModalWidget())
            m->hide();
        ui::resetRegistry();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void layout_data();
    void layout();
    void windowAtLoad();
    void documentReadsRightToLeft();
    void headingsUseTheDesignFaces();
    void anchorsDoNotSplitWords();
    void quotedVersesAreExact();
    void backAndContents_data();
    void backAndContents();
    void closingUnloads_data();
    void closingUnloads();
    void reachedOnlyFromTheArabicMenu_data();
    void reachedOnlyFromTheArabicMenu();
    void screenshots();
};

void tst_notes::layout_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QRectF>("window");
    QTest::addColumn<QRectF>("text");
    QTest::addColumn<QRectF>("close");
    // 800 x 600 pixels = 12000 x 9000 twips; 1024 x 768 = 15360 x 11520.
    QTest::newRow("800x600") << QSizeF(12000, 9000) << QRectF(600, 450, 10800, 8100)
                             << QRectF(240, 120, 9720, 6480) << QRectF(4012.5, 6804, 2775, 615);
    QTest::newRow("1024x768") << QSizeF(15360, 11520) << QRectF(768, 576, 13824, 10368)
                              << QRectF(240, 120, 12441.6, 8294.4) << QRectF(5524.5, 8709.12, 2775, 615);
}

void tst_notes::layout()
{
    QFETCH(QSizeF, screen);
    QFETCH(QRectF, window);
    QFETCH(QRectF, text);
    QFETCH(QRectF, close);
    const auto rects = layout::notesWindow(screen);
    auto same = [](const QRectF &a, const QRectF &b) {
        return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6
            && qAbs(a.width() - b.width()) < 1e-6 && qAbs(a.height() - b.height()) < 1e-6;
    };
    QVERIFY2(same(rects.value(windows::Notes), window), "window");
    QVERIFY2(same(rects.value("RichTextBox1"), text), "text box");
    QVERIFY2(same(rects.value("Command1"), close), "close button");
    // The box fills 81 % of the screen's width and 72 % of its height, and
    // the close button sits below it, inside the window.
    QCOMPARE(qRound(rects.value("RichTextBox1").width() / screen.width() * 100), 81);
    QCOMPARE(qRound(rects.value("RichTextBox1").height() / screen.height() * 100), 72);
    QVERIFY(rects.value("Command1").top() > rects.value("RichTextBox1").bottom());
    QVERIFY(rects.value("Command1").bottom() < window.height());
}

void tst_notes::windowAtLoad()
{
    auto *w = qobject_cast<QDialog *>(ui::window(windows::Notes));
    QVERIFY(w);
    QCOMPARE(w->objectName(), windows::Notes);
    QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->windowTitle(), captions::text(windows::Notes, "window", Language::Arabic));
    QVERIFY(!w->windowTitle().isEmpty());

    const auto rects = layout::notesWindow(geom::screenTwips());
    QCOMPARE(QRect(w->pos(), w->size()), geom::toPixels(rects.value(windows::Notes)));
    auto *text = w->findChild<QTextBrowser *>("RichTextBox1");
    auto *close = w->findChild<QPushButton *>("Command1");
    QVERIFY(text);
    QVERIFY(close);
    QCOMPARE(text->geometry(), geom::toPixels(rects.value("RichTextBox1")));
    QCOMPARE(close->geometry(), geom::toPixels(rects.value("Command1")));
    QCOMPARE(close->text(), captions::text(windows::Notes, "Command1", Language::Arabic));
    QVERIFY(!close->text().isEmpty());
    QVERIFY(text->isReadOnly());

    // The document is loaded with the window, and its contents links work.
    QCOMPARE(text->toHtml().isEmpty(), false);
    QVERIFY(text->toPlainText().size() > 1000);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const int top = text->verticalScrollBar()->value();
    text->scrollToAnchor("examples");
    QVERIFY(text->verticalScrollBar()->value() > top);
}

void tst_notes::documentReadsRightToLeft()
{
    QTextDocument doc;
    doc.setHtml(frmNotes::documentHtml());
    QVERIFY(!doc.isEmpty());

    int words = 0;
    int headings = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().trimmed().isEmpty())
            continue;
        words += b.text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        if (b.blockFormat().headingLevel() > 0)
            ++headings;
        QVERIFY2(b.blockFormat().layoutDirection() == Qt::RightToLeft,
                 qPrintable(QStringLiteral("not right to left: ") + b.text().left(40)));
    }
    QVERIFY2(words >= 6000, qPrintable(QString::number(words)));
    QVERIFY2(headings >= 20, qPrintable(QString::number(headings)));

    const QSet<QString> anchors = anchorsOf(&doc);
    for (const QString &section : requiredSections)
        QVERIFY2(anchors.contains(section), qPrintable(section));
    // Every entry of the table of contents leads somewhere.
    const QString html = frmNotes::documentHtml();
    QRegularExpression link("href=\"#([^\"]+)\"");
    int links = 0;
    for (auto m = link.globalMatch(html); m.hasNext(); ++links) {
        const QString target = m.next().captured(1);
        QVERIFY2(anchors.contains(target), qPrintable(target));
    }
    // The contents list the top-level sections (the named cases sit under one).
    QVERIFY(links >= 15);
}

void tst_notes::headingsUseTheDesignFaces()
{
    QTextDocument doc;
    doc.setHtml(frmNotes::documentHtml());
    int checked = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() != 2)
            continue;
        const QFont f = b.begin().fragment().charFormat().font();
        QCOMPARE(f.families().value(0), QStringLiteral("Traditional Arabic"));
        QCOMPARE(QFontInfo(f).family(), QFontInfo(QFont("Traditional Arabic")).family());
        QVERIFY(QFontInfo(f).family() != QStringLiteral("Traditional Arabic"));
        ++checked;
    }
    QVERIFY(checked >= 15);
}

// Qt keeps a named anchor on the character that follows it, as a fragment of
// its own, and shapes fragments separately: an anchor on a heading's first
// letter breaks that letter off its word. Anchors must sit on a character
// that joins nothing.
void tst_notes::anchorsDoNotSplitWords()
{
    QTextDocument doc;
    doc.setHtml(frmNotes::documentHtml());
    int anchors = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().anchorNames().isEmpty())
                continue;
            ++anchors;
            for (QChar ch : f.text())
                QVERIFY2(!ch.isLetterOrNumber(), qPrintable(f.charFormat().anchorNames().join(u' ')));
        }
    }
    QVERIFY(anchors >= 19);
}

void tst_notes::quotedVersesAreExact()
{
    QFile file(QStringLiteral(TARNAVEL_TEST_DATA "/verses.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject data = QJsonDocument::fromJson(file.readAll()).object();
    QVERIFY(data.value("source").toString().startsWith("quran-json "));
    const QJsonObject verses = data.value("verses").toObject();

    const QString html = frmNotes::documentHtml();
    // Each quotation is followed by its visible reference, [sura: verse].
    QRegularExpression span("<span class=\"ayah\" data-ref=\"(\\d+):(\\d+)\""
                            "(?: data-words=\"(\\d+)-(\\d+)\")?>(.*?)</span>"
                            "\\x{FD3E}?( \\[[^\\]:]+: (\\d+)\\])?",
                            QRegularExpression::DotMatchesEverythingOption);
    QSet<QString> quoted;
    int count = 0;
    for (auto it = span.globalMatch(html); it.hasNext(); ++count) {
        const auto m = it.next();
        const QString ref = m.captured(1) + u':' + m.captured(2);
        QVERIFY2(verses.contains(ref), qPrintable(ref));
        QVERIFY2(m.captured(7) == m.captured(2), qPrintable(ref + QStringLiteral(" without its reference")));
        QString expected = normalised(verses.value(ref).toString());
        if (!m.captured(3).isEmpty()) {
            const QStringList words = expected.split(' ');
            const int from = m.captured(3).toInt();
            const int to = m.captured(4).toInt();
            QVERIFY2(from >= 1 && to <= words.size() && from <= to, qPrintable(ref));
            // An excerpt does not open with the section mark.
            expected = words.mid(from - 1, to - from + 1).join(' ').remove(QRegularExpression("^\\x{06DE}"));
        }
        const QString shown = normalised(m.captured(5));
        QVERIFY2(!shown.isEmpty(), qPrintable(ref));
        QVERIFY2(shown == expected, qPrintable(ref + QStringLiteral(" differs")));
        quoted.insert(ref);
    }
    QVERIFY(count >= 3);
    for (const char *ref : {"4:11", "4:12", "4:176"})
        QVERIFY2(quoted.contains(ref), ref);
    // Every quotation is in a marked span: no verse text outside one.
    QCOMPARE(html.count("class=\"ayah\""), count);
}

// A followed link is gone back from as in the English document: the Back
// button, Alt+Left or Backspace; Contents returns to the top.
void tst_notes::backAndContents_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Back button") << "cmdBack";
    QTest::newRow("Alt+Left") << "alt+left";
    QTest::newRow("Backspace") << "backspace";
    QTest::newRow("Contents") << "cmdContents";
}

void tst_notes::backAndContents()
{
    QFETCH(QString, how);
    auto *w = qobject_cast<QDialog *>(ui::window(windows::Notes));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *text = w->findChild<QTextBrowser *>("RichTextBox1");
    auto *back = w->findChild<QPushButton *>("cmdBack");
    auto *contents = w->findChild<QPushButton *>("cmdContents");
    QVERIFY(back && contents && back->isVisible() && contents->isVisible());
    QVERIFY(!back->isEnabled());
    const QRect close = w->findChild<QPushButton *>("Command1")->geometry();
    QVERIFY(!back->geometry().intersects(close) && !contents->geometry().intersects(close));
    QVERIFY(back->geometry().right() <= text->geometry().right() && back->x() > close.right());
    QVERIFY(contents->x() >= text->x() && contents->geometry().right() < close.x());
    QCOMPARE(back->text(), captions::text(windows::Notes, "cmdBack", Language::Arabic));
    QVERIFY(!back->text().isEmpty() && !contents->text().isEmpty());

    text->setSource(QUrl("#examples"));
    QTRY_VERIFY(text->verticalScrollBar()->value() > 0);
    QVERIFY(back->isEnabled());
    if (how.startsWith("cmd"))
        QTest::mouseClick(w->findChild<QPushButton *>(how), Qt::LeftButton);
    else
        QTest::keyClick(text, how == "backspace" ? Qt::Key_Backspace : Qt::Key_Left,
                        how == "backspace" ? Qt::NoModifier : Qt::AltModifier);
    QTRY_COMPARE(text->verticalScrollBar()->value(), 0);
}

void tst_notes::closingUnloads_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "Command1";
    QTest::newRow("escape") << "escape";
    QTest::newRow("title bar") << "close";
}

void tst_notes::closingUnloads()
{
    QFETCH(QString, how);
    QPointer<QWidget> shown;
    bool modal = false;
    onNextModal([&](QWidget *m) {
        shown = m;
        modal = m->isModal();
        if (how == "Command1")
            QTest::mouseClick(m->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(m, Qt::Key_Escape);
        else
            m->close();
    });
    QTimer::singleShot(6000, [] {
        if (QWidget *m = QApplication::activeModalWidget())
            m->hide();
    });
    ui::showModal(windows::Notes);
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), windows::Notes);
    QVERIFY(modal);
    QVERIFY(!ui::isLoaded(windows::Notes));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(shown.isNull());
}

void tst_notes::reachedOnlyFromTheArabicMenu_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("Arabic") << 0;
    QTest::newRow("English") << 1;
}

void tst_notes::reachedOnlyFromTheArabicMenu()
{
    QFETCH(int, lang);
    registerShellWindows();
    QVERIFY2(ui::isRegistered(windows::Main), "the main window is not registered");
    ui::showModeless(windows::Main);
    QWidget *main = ui::loadedWindow(windows::Main);
    QVERIFY(main);
    auto *button = main->findChild<QPushButton *>(lang == 1 ? "Command3" : "Command4");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    auto *entry = main->findChild<QAction *>("mnuInheretence");
    QVERIFY(entry);

    if (lang == 1) {
        QVERIFY(!entry->isVisible());
        // No other visible entry of the first menu opens the document.
        for (QAction *a : main->findChild<QMenu *>("mnuInfo")->actions())
            QVERIFY(a == entry || a->objectName() != "mnuInheretence");
        language::applyToApplication(Language::Arabic);
        return;
    }
    QVERIFY(entry->isVisible());
    QVERIFY(entry->isEnabled());
    QVERIFY(main->findChild<QMenu *>("mnuInfo")->menuAction()->isVisible());
    QString seen;
    int words = 0;
    onNextModal([&](QWidget *m) {
        seen = m->objectName();
        if (auto *t = m->findChild<QTextBrowser *>("RichTextBox1"))
            words = t->toPlainText().split(' ', Qt::SkipEmptyParts).size();
        QTest::mouseClick(m->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    });
    entry->trigger();
    QCOMPARE(seen, windows::Notes);
    QVERIFY(words > 6000);
    QVERIFY(!ui::isLoaded(windows::Notes));
}

// With TARNAVEL_SHOTS=<folder>: the window at several places of the document,
// for a reader to look at.
void tst_notes::screenshots()
{
    const QString folder = qEnvironmentVariable("TARNAVEL_SHOTS");
    if (folder.isEmpty())
        QSKIP("TARNAVEL_SHOTS is not set");
    auto *w = ui::window(windows::Notes);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *text = w->findChild<QTextBrowser *>("RichTextBox1");
    const QString size = QStringLiteral("%1x%2").arg(w->screen()->size().width()).arg(w->screen()->size().height());
    const QStringList places = qEnvironmentVariable("TARNAVEL_SHOTS_AT", "top,shares,grandfather,akdariyya,ex-basic,ex-minbariyya,ex-muadda-2,sources").split(',');
    for (const QString &place : places) {
        // "anchor" or "anchor+pixels" further down.
        const QString anchor = place.section('+', 0, 0);
        if (anchor == "top")
            text->verticalScrollBar()->setValue(0);
        else
            text->scrollToAnchor(anchor);
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->value()
                                            + place.section('+', 1, 1).toInt());
        QTest::qWait(50);
        QVERIFY(w->grab().save(QStringLiteral("%1/notes-%2-%3.png").arg(folder, size, place)));
    }
}

QTEST_MAIN(tst_notes)
#include "tst_notes.moc"
