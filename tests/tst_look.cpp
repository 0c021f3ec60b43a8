// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program on the configured screen, in both languages,
// with every question it can ask on screen at once: each visible control lies
// inside its container and the window on the screen, no two visible controls
// of a container overlap (but for the design's deliberate overlaps, listed
// below by name), and every caption, button text and list entry fits its
// control. Qt's own dialogs the program opens (the print dialog, message
// boxes): their texts fit. With TARNAVEL_SHOTS=<folder> the windows are also
// saved as pictures there.
#include "ui/window_names.h"
#include "app.h"
#include "details/case_window.h"
#include "details/family_tab.h"
#include "tools/tree_families.h"
#include "case/case_record.h"
#include "details/case_window.h"
#include "details/relatives_panel.h"
#include "report/ui/printing.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QStyleOptionComboBox>

namespace {

// Controls that overlap by design, as "window/first/second" with the names
// in either order; a name ending in '(' stands for every slot of that array.
const QStringList DeliberateOverlaps = {
    // In English a results line's value box covers the last part of its
    // label's slot; the label's text is fitted to the room left of the box.
    QStringLiteral("Results/Label3(/Text1("),
    // The bars framing the deceased entry cross at their corners.
    QStringLiteral("Inheretence/Shape1/Shape3"),
    QStringLiteral("Inheretence/Shape2/Shape3"),
    QStringLiteral("Inheretence/Shape2/Shape4"),
    // The method window's dividing line is drawn twice in the same place.
    QStringLiteral("frmJadd/Line1(0)/Line1(1)"),
};

QString plain(QString s)
{
    return s.remove(QLatin1Char('&'));
}

bool matches(const QString &pattern, const QString &name)
{
    return pattern.endsWith(QLatin1Char('(')) ? name.startsWith(pattern) : name == pattern;
}

bool deliberate(const QString &window, const QString &a, const QString &b)
{
    for (const QString &entry : DeliberateOverlaps) {
        const QStringList p = entry.split(QLatin1Char('/'));
        if (p.value(0) == window
            && ((matches(p.value(1), a) && matches(p.value(2), b)) || (matches(p.value(1), b) && matches(p.value(2), a))))
            return true;
    }
    return false;
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The program's own controls: named, and not Qt's inner parts.
bool ours(const QWidget *w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && !w->isWindow();
}

// Texts that do not fit their control, or "" when all do.
QStringList cutTexts(QWidget *top)
{
    QStringList out;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(top) || w->isWindow())
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                       : w->objectName();
        const QFontMetrics fm = w->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty() && label->textFormat() != Qt::RichText
                                                      && !Qt::mightBeRichText(label->text())) {
            const QString text = label->buddy() ? plain(label->text()) : label->text();
            const QRect c = label->contentsRect();
            // A line of text's height, or the label's own need when less.
            const int tall = std::min(fm.height(), label->sizeHint().height());
            if (label->wordWrap()) {
                if (label->heightForWidth(c.width()) > c.height() + 2)
                    out << name + QStringLiteral(" text too tall");
            } else if (fm.horizontalAdvance(text) > c.width() || tall > c.height() + 2) {
                out << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                           .arg(name, text)
                           .arg(fm.horizontalAdvance(text))
                           .arg(tall)
                           .arg(c.width())
                           .arg(c.height());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            // The style's own room: the text beside a radio's indicator, or
            // inside a push button's bevel.
            const int need = button->sizeHint().width();
            if (need > button->width() + 2)
                out << QStringLiteral("%1 \"%2\" needs %3, has %4").arg(name, plain(button->text())).arg(need).arg(button->width());
        } else if (auto *group = qobject_cast<QGroupBox *>(w); group && !group->title().isEmpty()) {
            if (fm.horizontalAdvance(group->title()) + 16 > group->width())
                out << name + QStringLiteral(" title too wide");
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                if (fm.horizontalAdvance(combo->itemText(i)) > field.width())
                    out << QStringLiteral("%1 entry \"%2\" needs %3, has %4")
                               .arg(name, combo->itemText(i))
                               .arg(fm.horizontalAdvance(combo->itemText(i)))
                               .arg(field.width());
        }
    }
    return out;
}

// Controls outside their container or overlapping a sibling.
QStringList misplaced(QWidget *top)
{
    QStringList out;
    const QString window = top->objectName();
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(top) || !ours(w))
            continue;
        QWidget *parent = w->parentWidget();
        // What a scroll area shows is meant to be larger than its viewport.
        if (auto *area = qobject_cast<QAbstractScrollArea *>(parent->parentWidget()); area && area->viewport() == parent)
            continue;
        if (!QRect(QPoint(0, 0), parent->size()).contains(w->geometry()))
            out << QStringLiteral("%1 %2 outside %3 (%4x%5)")
                       .arg(w->objectName(), rectText(w->geometry()), parent->objectName())
                       .arg(parent->width())
                       .arg(parent->height());
    }
    QList<QWidget *> containers = top->findChildren<QWidget *>();
    containers << top;
    for (QWidget *parent : std::as_const(containers)) {
        QList<QWidget *> kids;
        // An empty label (the design has a few, never filled) shows nothing
        // and so covers nothing.
        for (QObject *o : parent->children())
            if (auto *k = qobject_cast<QWidget *>(o); k && k->isVisibleTo(top) && ours(k))
                if (auto *l = qobject_cast<QLabel *>(k); !l || !l->text().isEmpty() || l->pixmap().isNull() == false)
                    kids << k;
        for (int i = 0; i < kids.size(); ++i)
            for (int j = i + 1; j < kids.size(); ++j)
                if (kids[i]->geometry().intersects(kids[j]->geometry())
                    && !deliberate(window, kids[i]->objectName(), kids[j]->objectName()))
                    out << QStringLiteral("%1 overlaps %2").arg(kids[i]->objectName(), kids[j]->objectName());
    }
    return out;
}

// The worked example with a name: a man leaves his father, his mother, a
// wife and a son.
void workedExample(CaseRecord &c)
{
    c.FatherAlive = c.MotherAlive = 1;
    c.WifeCount = c.SonCount = 1;
    c.FatherShare = c.MotherShare = 1.0 / 6;
    c.WifeShare = 1.0 / 8;
    c.SonShare = 13.0 / 24;
    c.ShareTotal = 1;
}

} // namespace

class tst_look : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void window_data();
    void window();
    void qtDialogs_data();
    void qtDialogs();
    void checksCanFail();
    void arabicButtonWords_data();
    void arabicButtonWords();
};

void tst_look::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    fonts::installSubstitutions();
    language::applyToApplication(Language::Arabic);
    app::registerAllWindows();
}

void tst_look::cleanup()
{
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    language::applyToApplication(Language::Arabic);
}

void tst_look::window_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lang"); // -1: the main window before the choice
    QTest::addColumn<bool>("woman");
    QTest::newRow("main window, language choice") << windows::Main << -1 << false;
    for (int lang : {0, 1}) {
        const char *l = lang ? "en" : "ar";
        for (const char *w : {"frmInherence", "Inheretence", "frmwhattodo", "frmAbout", "frmNotes", "frmFathers",
                              "frmJadd", "frmBrothers", "Results"})
            QTest::addRow("%s %s", w, l) << QString::fromLatin1(w) << lang << false;
        QTest::addRow("frmFathers %s, a woman", l) << windows::Family << lang << true;
        QTest::addRow("frmCase %s, the family tree of forty", l) << windows::CaseDetails << lang << false;
        // The case window on each page of relatives and schools.
        for (int page = 0; page < 3; ++page)
            QTest::addRow("frmCase relatives %d %s", page, l) << windows::CaseDetails << lang << false;
    }
}

void tst_look::window()
{
    QFETCH(QString, name);
    QFETCH(int, lang);
    QFETCH(bool, woman);

    QWidget *w = nullptr;
    QWidget *checked = nullptr;
    if (name == QLatin1String("frmInherence")) {
        w = ui::window(name);
        w->show();
        if (lang >= 0)
            QTest::mouseClick(w->findChild<QAbstractButton *>(lang ? QStringLiteral("Command3") : QStringLiteral("Command4")),
                              Qt::LeftButton);
    } else {
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(Language(lang));
        QWidget *entry = ui::window(windows::DeceasedEntry);
        entry->findChild<QLineEdit *>(QStringLiteral("txtNameofDead"))
            ->setText(lang ? QStringLiteral("Zaid ibn Haritha")
                           : captions::text(windows::Main, QStringLiteral("Label2"), Language::Arabic));
        entry->findChild<QRadioButton *>(woman ? QStringLiteral("OptWoman") : QStringLiteral("OptMan"))->setChecked(true);
        if (name == QLatin1String("Results"))
            workedExample(theCase());
        w = ui::window(name);
        QVERIFY(w);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        if (auto *caseWindow = qobject_cast<CaseWindow *>(w); caseWindow && tag.contains(QLatin1String("relatives"))) {
            details::CaseState s;
            // A grandfather, added by path, beside a brother: the schools part,
            // and their sentence shows.
            s.setCount(Relative::Wife, 1);
            s.setCount(Relative::Mother, 1);
            s.setCount(Relative::FullBrother, 1);
            s.profile = Profile::Hanafi;
            caseWindow->setCase(s);
            RelativesPanel *panel = caseWindow->relativesPanel();
            const int page = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 2, 2).toInt();
            panel->setAdded({{*Path::parse("father.father"), 1},
                             {*Path::parse("father.father.paternalBrother.son"), 2},
                             {*Path::parse("mother.maternalSister.daughter"), 1}});
            w->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentWidget(panel);
            panel->findChild<QTabWidget *>(QStringLiteral("tabsRelatives"))->setCurrentIndex(page);
        }
        // Every question the window can ask, at once (the husband's and the
        // wives' questions share a place; only one of them is ever asked).
        const QString notAsked = woman ? QStringLiteral("Frame14") : QStringLiteral("Frame7");
        if (name == QLatin1String("frmFathers") || name == QLatin1String("frmBrothers")) {
            for (QGroupBox *g : w->findChildren<QGroupBox *>())
                g->setVisible(name != QLatin1String("frmFathers") || g->objectName() != notAsked);
            w->findChild<QPushButton *>(QStringLiteral("cmdfinish"))->show();
        }
        // The case window: its family tab, with a family of forty relatives.
        if (auto *caseWindow = qobject_cast<CaseWindow *>(w); caseWindow && tag.contains(QLatin1String("family tree"))) {
            checked = caseWindow->familyTab();
            caseWindow->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentWidget(caseWindow->familyTab());
            caseWindow->familyTab()->setFamily(treefamilies::family(QString::fromLatin1(treefamilies::Large)), Language(lang),
                                               {});
        }
        w->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::qWait(50);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        QVERIFY(w->grab().save(QStringLiteral("%1/%2-%3x%4.png")
                                   .arg(shots, QString(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))
                                                    .remove(QLatin1Char(',')))
                                   .arg(screen.width())
                                   .arg(screen.height())));
    }

    if (!checked)
        checked = w;
    const QStringList wrong = misplaced(checked) + cutTexts(checked);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    QVERIFY2(screen.contains(w->frameGeometry()),
             qPrintable(rectText(w->frameGeometry()) + QStringLiteral(" beyond the screen")));
}

// Qt's own dialogs as the program opens them, in both languages.
void tst_look::qtDialogs_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("lang");
    for (int lang : {0, 1})
        for (const char *d : {"printDialog", "printFailedNotice", "noHeirsNotice"})
            QTest::addRow("%s %s", d, lang ? "en" : "ar") << QString::fromLatin1(d) << lang;
}

void tst_look::qtDialogs()
{
    QFETCH(QString, dialog);
    QFETCH(int, lang);
    theCase().Language = std::int16_t(lang);
    language::applyToApplication(Language(lang));
    app::installCalculationHooks();
    QStringList wrong;
    bool seen = false;
    QString cancel;
    onNextModal([&](QWidget *m) {
        seen = m->objectName() == dialog;
        QTest::qWait(50);
        if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty())
            m->grab().save(QStringLiteral("%1/%2.png").arg(shots, QString(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))));
        wrong = cutTexts(m);
        if (auto *box = m->findChild<QDialogButtonBox *>(); box && box->button(QDialogButtonBox::Cancel))
            cancel = box->button(QDialogButtonBox::Cancel)->text();
        m->hide();
    });
    QWidget *main = ui::window(windows::Main);
    if (dialog == QLatin1String("printDialog")) {
        QPrinter printer;
        printing::printerChooser().choose(printer, main);
    } else if (dialog == QLatin1String("printFailedNotice")) {
        printing::showPrintFailure(main);
    } else {
        calculationHooks().noHeirsNotice(theCase());
    }
    QVERIFY(seen);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    // Qt's Arabic Cancel, the bare imperative, reads as cut off: the
    // program's own word stands in for it.
    if (dialog == QLatin1String("printDialog"))
        QCOMPARE(plain(cancel), lang ? QStringLiteral("Cancel")
                                     : captions::text(QStringLiteral("QtDialogs"), QStringLiteral("QPlatformTheme|Cancel"), Language::Arabic));
}

// Qt's own buttons in Arabic: no access key drawn into a word, the
// program's word where Qt's reads wrong ("reject" for Discard), and room
// around each word.
void tst_look::arabicButtonWords_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("word");   // the program's own, empty for Qt's
    QTest::newRow("Save") << int(QMessageBox::Save) << QString();
    QTest::newRow("Discard") << int(QMessageBox::Discard)
                             << captions::text(QStringLiteral("QtDialogs"), QStringLiteral("QPlatformTheme|Discard"), Language::Arabic);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel)
                            << captions::text(QStringLiteral("QtDialogs"), QStringLiteral("QPlatformTheme|Cancel"), Language::Arabic);
    QTest::newRow("Yes") << int(QMessageBox::Yes) << QString();
}

void tst_look::arabicButtonWords()
{
    QFETCH(int, button);
    QFETCH(QString, word);
    theCase().Language = 0;
    language::applyToApplication(Language::Arabic);
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"), QMessageBox::StandardButton(button));
    box.show();
    QAbstractButton *b = box.button(QMessageBox::StandardButton(button));
    QVERIFY(b);
    if (!word.isEmpty())
        QCOMPARE(plain(b->text()), word);
    QCOMPARE(b->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, b), 0);
    const int text = b->fontMetrics().horizontalAdvance(plain(b->text()));
    QVERIFY2(b->width() >= text + 16, qPrintable(QStringLiteral("%1 px for %2 px of text").arg(b->width()).arg(text)));
}

// The checks find what they look for.
void tst_look::checksCanFail()
{
    QWidget w;
    w.setObjectName(QStringLiteral("frmTest"));
    w.resize(200, 100);
    auto *a = new QPushButton(QStringLiteral("A rather long caption for a button"), &w);
    a->setObjectName(QStringLiteral("a"));
    a->setGeometry(10, 10, 40, 20);
    auto *b = new QComboBox(&w);
    b->setObjectName(QStringLiteral("b"));
    b->addItems({QStringLiteral("1"), QStringLiteral("Three wives and more")});
    b->setGeometry(30, 20, 60, 20);
    auto *c = new QLabel(QStringLiteral("c"), &w);
    c->setObjectName(QStringLiteral("c"));
    c->setGeometry(150, 90, 60, 20);
    w.show();
    QCOMPARE(misplaced(&w).join(QLatin1Char(';')), QStringLiteral("c 150,90 60x20 outside frmTest (200x100);a overlaps b"));
    const QString cut = cutTexts(&w).join(QLatin1Char(';'));
    QVERIFY2(cut.contains(QLatin1String("a \"A rather")) && cut.contains(QLatin1String("Three wives")), qPrintable(cut));
}

QTEST_MAIN(tst_look)
#include "tst_look.moc"
