// SPDX-License-Identifier: GPL-3.0-or-later
// The page of relatives and schools: the steps the path grammar offers, the
// schools side by side on the doctrine's tables, the views a case depends
// on, and a relative added with the keyboard alone.
#include "details/relatives_panel.h"
#include "details/bequest_panel.h"
#include "tests/tst_case_window_support.h"

#include "report/relative_names.h"
#include "report/schools_text.h"
#include "ui/fonts.h"
#include "ui/help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "father.father:1,brother:3"
engine::Family familyOf(const QString &text)
{
    engine::Family f;
    for (const QString &entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        const auto p = Path::parse(parts[0].toStdString());
        Q_ASSERT(p);
        f.members.push_back({*p, parts.value(1, QStringLiteral("1")).toInt()});
    }
    return f;
}

QStringList words(const std::vector<PathStep> &steps)
{
    QStringList out;
    for (PathStep s : steps)
        out << QLatin1String(stepWord(s));
    return out;
}

std::vector<PathStep> stepsOf(const QString &text)
{
    std::vector<PathStep> out;
    for (const QString &w : text.split(QLatin1Char('.'), Qt::SkipEmptyParts))
        out.push_back(*stepFromWord(w.toStdString()));
    return out;
}

double valueOf(const QString &fraction)
{
    const QStringList p = fraction.split(QLatin1Char('/'));
    return p[0].toDouble() / p.value(1, QStringLiteral("1")).toDouble();
}

QString plain(QString s)
{
    return s.remove(QChar(details::DifferenceMark)).trimmed();
}

} // namespace

class tst_relatives_panel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void nextSteps_data();
    void nextSteps();
    void schools_data();
    void schools();
    void dependsOn_data();
    void dependsOn();
    void keyboardOnly();
    void profileRemembered();
    void printedDocument_data();
    void printedDocument();
    void caseFileKeepsPage_data();
    void caseFileKeepsPage();
    void obligatoryBequest_data();
    void obligatoryBequest();
    void bequestKeyboardOnly();
    void ownBequestAfterObligatory();
    void uncertainEstimates_data();
    void uncertainEstimates();
};

void tst_relatives_panel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    fonts::installSubstitutions();
}

void tst_relatives_panel::nextSteps_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("offered");
    const QStringList all = {"father", "mother", "son", "daughter", "brother", "sister", "paternalBrother",
                             "paternalSister", "maternalBrother", "maternalSister", "husband", "wife", "emancipator"};
    const QStringList ascentsAndSiblings = {"father", "mother", "brother", "sister", "paternalBrother",
                                            "paternalSister", "maternalBrother", "maternalSister"};
    const QStringList descents = {"son", "daughter"};
    QTest::newRow("from the deceased every first step") << QString() << all;
    QTest::newRow("nothing after a husband") << "husband" << QStringList();
    QTest::newRow("nothing after a wife") << "wife" << QStringList();
    QTest::newRow("after the father: no descent") << "father" << ascentsAndSiblings;
    QTest::newRow("after a grandmother: no descent") << "father.mother" << ascentsAndSiblings;
    QTest::newRow("after a sibling: descents only") << "brother" << descents;
    QTest::newRow("after an uncle: descents only") << "father.paternalBrother" << descents;
    QTest::newRow("a maternal aunt's line") << "mother.maternalSister.son" << descents;
    QTest::newRow("a son's line goes on down") << "son.son.daughter" << descents;
}

void tst_relatives_panel::nextSteps()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, offered);
    const auto steps = stepsOf(prefix);
    QCOMPARE(words(details::nextSteps(steps)), offered);
    // Whatever is offered makes a path the calculation takes.
    for (PathStep s : details::nextSteps(steps)) {
        auto longer = steps;
        longer.push_back(s);
        QVERIFY(details::pathOfSteps(longer));
    }
}

// Shares of all heads, by profile in the order program, hanafi, maliki,
// shafii, hanbali, egypt, syria; the doctrine's tables A1 and A3.
void tst_relatives_panel::schools_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QList<QStringList>>("shares");   // per member, per profile
    const QStringList zayd = {"1/2", "1", "1/2", "1/2", "1/2", "1/2", "1/2"};
    const QStringList fb = {"1/2", "0", "1/2", "1/2", "1/2", "1/2", "1/2"};
    QTest::newRow("grandfather and a full brother") << "father.father,brother" << QList<QStringList>{zayd, fb};
    QTest::newRow("grandfather and three full brothers")
        << "father.father,brother:3"
        << QList<QStringList>{{"1/3", "1", "1/3", "1/3", "1/3", "1/4", "1/4"},
                              {"2/3", "0", "2/3", "2/3", "2/3", "3/4", "3/4"}};
    QTest::newRow("al-akdariyya")
        << "husband,mother,father.father,sister"
        << QList<QStringList>{{"1/3", "1/2", "1/3", "1/3", "1/3", "1/3", "1/3"},
                              {"2/9", "1/3", "2/9", "2/9", "2/9", "2/9", "2/9"},
                              {"8/27", "1/6", "8/27", "8/27", "8/27", "1/9", "1/9"},
                              {"4/27", "0", "4/27", "4/27", "4/27", "1/3", "1/3"}};
    QTest::newRow("father, mother, wife, son: every school alike")
        << "father,mother,wife,son"
        << QList<QStringList>{QStringList(7, "1/6"), QStringList(7, "1/6"), QStringList(7, "1/8"),
                              QStringList(7, "13/24")};
}

void tst_relatives_panel::schools()
{
    QFETCH(QString, family);
    QFETCH(QList<QStringList>, shares);
    details::SchoolsModel m;
    const auto f = familyOf(family);
    for (int chosen = 0; chosen < ProfileCount; ++chosen) {
        m.setFamily(f, Profile(chosen));
        QCOMPARE(m.rowCount(), int(shares.size()));
        for (int row = 0; row < m.rowCount(); ++row) {
            for (int p = 0; p < ProfileCount; ++p) {
                const QString cell = m.index(row, p).data().toString();
                QCOMPARE(plain(cell), shares[row][p]);
                // Marked exactly where the share differs from the chosen profile's.
                QCOMPARE(cell.contains(QChar(details::DifferenceMark)), shares[row][p] != shares[row][chosen]);
            }
        }
    }
    // With an estate each cell carries its amount.
    m.setFamily(f, Profile::Program, 2400.0);
    QVERIFY(m.index(0, 0).data().toString().endsWith(
        QStringLiteral("(%1)").arg(QString::number(valueOf(shares[0][0]) * 2400.0, 'f', 2))));
}

void tst_relatives_panel::dependsOn_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("views");
    QTest::newRow("father, mother, wife, son") << "father,mother,wife,son" << "program" << QStringList();
    QTest::newRow("grandfather and a full brother")
        << "father.father,brother" << "hanafi" << QStringList{"grandfatherWithSiblings"};
    // The daughter's son takes the rest unless the treasury does; a lone
    // wife takes the whole only where the rest returns to a spouse.
    QTest::newRow("a wife and a daughter's son")
        << "wife,daughter.son" << "program" << QStringList{"distantKindred"};
    QTest::newRow("a wife alone") << "wife" << "program" << QStringList{"spouseReturn"};
}

void tst_relatives_panel::dependsOn()
{
    QFETCH(QString, family);
    QFETCH(QString, profile);
    QFETCH(QStringList, views);
    const Views v = profileViews(*profileFromName(profile.toStdString()));
    QStringList got;
    for (View d : details::dependentViews(familyOf(family), v))
        got << QLatin1String(viewName(d));
    QCOMPARE(got, views);
    const QStringList sentences = details::differenceSentences(familyOf(family), v, Language::English);
    QCOMPARE(sentences.size(), views.size());
}

void tst_relatives_panel::keyboardOnly()
{
    // The father's paternal uncle's son, two of them, with keys alone.
    RelativesPanel panel;
    panel.setLanguage(Language::English);
    panel.setEditorFamily(familyOf(QStringLiteral("wife")));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto *list = panel.findChild<QListWidget *>(QStringLiteral("lstSteps"));
    list->setFocus();
    for (const char *word : {"father", "father", "paternalBrother", "son"}) {
        // Arrows down to the step, Enter takes it.
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < list->count() && list->currentItem()->toolTip().section(QLatin1Char('.'), -1) != QLatin1String(word); ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    }
    QCOMPARE(words(panel.steps()), (QStringList{"father", "father", "paternalBrother", "son"}));
    QTest::keyClick(list, Qt::Key_Tab);   // step back
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto *count = panel.findChild<QSpinBox *>(QStringLiteral("spnRelativeCount"));
    QCOMPARE(QApplication::focusWidget(), count);
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("2"));
    QTest::keyClick(count, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);   // add
    const auto *m = panel.relativesModel();
    QCOMPARE(m->rowCount(), 2);
    const Path uncleSon = *Path::parse("father.father.paternalBrother.son");
    QCOMPARE(m->index(1, details::RelativesModel::Name).data().toString(), report::relativeName(uncleSon, Language::English, 2));
    QCOMPARE(m->index(1, details::RelativesModel::Count).data().toInt(), 2);
    // Wife a quarter, the two cousins the rest.
    QCOMPARE(m->index(0, details::RelativesModel::Share).data().toString(), QStringLiteral("1/4"));
    QCOMPARE(m->index(1, details::RelativesModel::Share).data().toString(), QStringLiteral("3/4"));
    QVERIFY(panel.steps().empty());

    // The editor's wife is removed there, not here; the cousins here.
    auto *table = panel.findChild<QTableView *>(QStringLiteral("tblRelatives"));
    table->setFocus();
    table->setCurrentIndex(m->index(0, 0));
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(m->rowCount(), 2);
    table->setCurrentIndex(m->index(1, 0));
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(m->rowCount(), 1);
    // Alone, the wife takes the whole: the rest returns to her on the program's view.
    QCOMPARE(m->index(0, details::RelativesModel::Share).data().toString(), QStringLiteral("1"));

    // F1 lands on the page's own section of the guide.
    QCOMPARE(help::sectionFor(list), QStringLiteral("frmRelatives"));
}

void tst_relatives_panel::profileRemembered()
{
    {
        RelativesPanel panel;
        panel.setEditorFamily(familyOf(QStringLiteral("father.father,brother")));
        auto *box = panel.findChild<QComboBox *>(QStringLiteral("cmbProfile"));
        box->setCurrentIndex(int(Profile::Hanafi));
        QCOMPARE(panel.result().members[1].share, Rational(0));
    }
    RelativesPanel again;
    QCOMPARE(again.profile(), Profile::Hanafi);
    QVERIFY(again.beyondEditor());
    QSettings().clear();
}

// The document names the profile and any changed view, lists the family by
// path when it goes beyond the editor, and the schools side by side when asked.
void tst_relatives_panel::printedDocument_data()
{
    QTest::addColumn<bool>("added");
    QTest::addColumn<bool>("compare");
    QTest::newRow("editor's kinds, no comparison") << false << false;
    QTest::newRow("an uncle's son, no comparison") << true << false;
    QTest::newRow("an uncle's son, the schools compared") << true << true;
}

void tst_relatives_panel::printedDocument()
{
    QFETCH(bool, added);
    QFETCH(bool, compare);
    CaseWindow *w = cw::open(cw::family({{Relative::Father, 1}, {Relative::Mother, 1}}), 1);
    QSettings().clear();
    RelativesPanel *panel = w->relativesPanel();
    panel->setProfile(Profile::Program, profileViews(Profile::Program));
    if (added)
        panel->setAdded({{*Path::parse("father.father.paternalBrother.son"), 1}});
    auto *views = panel->findChild<QComboBox *>(QStringLiteral("cmbView_surplus"));
    views->setCurrentIndex(1);   // to the treasury
    panel->findChild<QCheckBox *>(QStringLiteral("chkPrintCompare"))->setChecked(compare);
    const QString html = details::document::html(w->documentParts());
    QVERIFY(html.contains(report::profileTitle(Profile::Program, Language::English).toHtmlEscaped()));
    QVERIFY(html.contains(report::viewTitle(View::Surplus, Language::English).toHtmlEscaped()));
    const QString cousin = report::relativeName(*Path::parse("father.father.paternalBrother.son"), Language::English, 1);
    QCOMPARE(html.contains(cousin.toHtmlEscaped()), added);
    if (added) {
        // The father shuts the cousin out: said on hover and in the working printed.
        const auto *m = panel->relativesModel();
        QCOMPARE(m->index(2, details::RelativesModel::Share).data().toString(), QStringLiteral("0"));
        const QString father = report::relativeName(*Path::parse("father"), Language::English, 1);
        QVERIFY(m->index(2, details::RelativesModel::Name).data(Qt::ToolTipRole).toString().contains(father));
        QVERIFY(!panel->pathWorking().isEmpty());
        for (const QString &line : panel->pathWorking())
            QVERIFY(html.contains(line.toHtmlEscaped()));
    }
    QCOMPARE(html.contains(details::relativesCaption("grpCompare", Language::English).toHtmlEscaped()), compare);
    QCOMPARE(html.contains(report::profileTitle(Profile::Hanafi, Language::English).toHtmlEscaped()), compare);
}

// Saved from the case window and opened again: the added relatives and the
// profile come back; a file without a profile opens under the program's views
// whatever profile was chosen last.
void tst_relatives_panel::caseFileKeepsPage_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("withAdded");
    QTest::newRow("hanafi with an uncle's son") << "hanafi" << true;
    QTest::newRow("syria, editor's kinds only") << "syria" << false;
    QTest::newRow("program, editor's kinds only: a first version file") << "program" << false;
}

void tst_relatives_panel::caseFileKeepsPage()
{
    QFETCH(QString, profile);
    QFETCH(bool, withAdded);
    const Profile p = *profileFromName(profile.toStdString());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.tarnavel"));
    {
        CaseWindow *w = cw::open(cw::family({{Relative::Wife, 1}, {Relative::Mother, 1}}), 1);
        RelativesPanel *panel = w->relativesPanel();
        if (withAdded)
            panel->setAdded({{*Path::parse("father.father.paternalBrother.son"), 2}});
        panel->findChild<QComboBox *>(QStringLiteral("cmbProfile"))->setCurrentIndex(int(p));
        QVERIFY(w->saveFile(path));
    }
    // The last choice is remembered, but a file speaks for itself.
    QSettings().setValue(QStringLiteral("case/profile"), QStringLiteral("maliki"));
    CaseWindow *w = cw::open(cw::family({}), 1);
    QVERIFY(w->openFile(path));
    RelativesPanel *panel = w->relativesPanel();
    QCOMPARE(panel->profile(), p);
    QVERIFY(panel->views() == profileViews(p));
    QCOMPARE(panel->addedRelatives().size(), withAdded ? std::size_t(1) : std::size_t(0));
    // Mother, wife (and the cousins): the page lists the whole family.
    QCOMPARE(panel->relativesModel()->rowCount(), withAdded ? 3 : 2);
    // The working page says its table is not this case's answer exactly when it is not.
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblBeyondEditor"))->isVisibleTo(w), withAdded || p != Profile::Program);
    QSettings().clear();
}

// A son and a daughter beside a son who died before the deceased leaving a
// daughter, entered on the page of the bequest as a user would: what the
// tables show is what the calculation gives, and the document prints it.
void tst_relatives_panel::obligatoryBequest_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("child");       // who died before, leaving a daughter
    QTest::addColumn<QString>("gift");
    QTest::addColumn<QString>("bequest");     // what the granddaughter takes; empty: no bequest
    QTest::addColumn<QString>("note");        // the key of the note beside her, filled with the gift
    QTest::addColumn<QStringList>("heirs");   // son, daughter (the granddaughter without a bequest): of the whole estate
    // As alive the predeceased son would take 2/5, above the third.
    QTest::newRow("egypt: the third") << "egypt" << "son" << "" << "1/3" << "" << QStringList{"4/9", "2/9"};
    QTest::newRow("syria: the third") << "syria" << "son" << "" << "1/3" << "" << QStringList{"4/9", "2/9"};
    QTest::newRow("egypt: a gift of 1/9 counted") << "egypt" << "son" << "1/9" << "2/9" << "giftCounted" << QStringList{"14/27", "7/27"};
    QTest::newRow("egypt: a gift of 40% covers her due") << "egypt" << "son" << "40%" << "0" << "reason.giftCovers" << QStringList{"2/3", "1/3"};
    // A predeceased daughter would take 1/4: within the third.
    QTest::newRow("egypt: a daughter's daughter, first generation") << "egypt" << "daughter" << "" << "1/4" << "" << QStringList{"1/2", "1/4"};
    QTest::newRow("syria: no bequest through a daughter") << "syria" << "daughter" << "" << "0" << "reason.outsideTheLines" << QStringList{"2/3", "1/3"};
    QTest::newRow("hanafi: no bequest, her uncle excludes her") << "hanafi" << "son" << "" << "" << "" << QStringList{"2/3", "1/3", "0"};
}

void tst_relatives_panel::obligatoryBequest()
{
    QFETCH(QString, profile);
    QFETCH(QString, child);
    QFETCH(QString, gift);
    QFETCH(QString, bequest);
    QFETCH(QString, note);
    QFETCH(QStringList, heirs);
    CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}, {Relative::Daughter, 1}}), 1);
    RelativesPanel *panel = w->relativesPanel();
    panel->findChild<QComboBox *>(QStringLiteral("cmbProfile"))->setCurrentIndex(int(*profileFromName(profile.toStdString())));
    auto *tabs = panel->findChild<QTabWidget *>(QStringLiteral("tabsRelatives"));
    tabs->setCurrentWidget(panel->findChild<QWidget *>(QStringLiteral("pageBequest")));
    panel->findChild<QComboBox *>(QStringLiteral("cmbPredeceasedChild"))->setCurrentIndex(child == u"son" ? 0 : 1);
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdAddPredeceased")), Qt::LeftButton);
    auto *paths = panel->findChild<QComboBox *>(QStringLiteral("cmbDescendantPath"));
    paths->setCurrentIndex(paths->findData(QStringLiteral("daughter")));
    QTest::keyClicks(panel->findChild<QLineEdit *>(QStringLiteral("edtDescendantGift")), gift);
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdAddDescendant")), Qt::LeftButton);
    QCOMPARE(panel->predeceased().size(), std::size_t(1));

    // The calculation's own answer for the same case.
    engine::Family f = familyOf(QStringLiteral("son,daughter"));
    f.profile = panel->profile();
    f.views = panel->views();
    engine::Predeceased son{*Path::parse(child.toStdString()), {{*Path::parse("daughter"), 1}}, {}, {}};
    if (!gift.isEmpty())
        son.gifts.push_back({*Path::parse("daughter"), *BequestPanel::parseGift(gift)});
    const engine::BequestResult r = engine::calculateWithBequest(f, {son});

    const BequestPanel *page = panel->bequestPage();
    const auto *recipients = page->recipientsModel();
    const auto *shown = page->heirsModel();
    const auto *relatives = panel->relativesModel();
    QCOMPARE(page->bequestGiven(), !bequest.isEmpty());
    QCOMPARE(recipients->rowCount(), bequest.isEmpty() ? 0 : 1);
    if (!bequest.isEmpty()) {
        QCOMPARE(recipients->index(0, details::BequestModel::Share).data().toString(), bequest);
        QCOMPARE(recipients->index(0, details::BequestModel::Share).data().toString(), details::shareText(r.recipients[0].share));
        QCOMPARE(recipients->index(0, details::BequestModel::Percent).data().toString(), details::percentText(r.recipients[0].share));
        const QString expected = note.isEmpty() ? QString()
                               : details::bequestCaption(note.toLatin1().constData(), Language::English).arg(details::shareText(r.recipients[0].gift));
        QCOMPARE(recipients->index(0, details::BequestModel::Note).data().toString(), expected);
        QVERIFY(page->findChild<QTableView *>(QStringLiteral("tblBequestRecipients"))->isVisibleTo(panel));
    }
    QCOMPARE(shown->rowCount(), int(heirs.size()));
    QCOMPARE(relatives->rowCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString share = heirs.value(i, QStringLiteral("0"));
        if (i < heirs.size()) {
            QCOMPARE(shown->index(i, details::BequestModel::Share).data().toString(), share);
            QCOMPARE(shown->index(i, details::BequestModel::Share).data().toString(), details::shareText(r.heirShares[std::size_t(i)]));
        }
        QCOMPARE(relatives->index(i, details::RelativesModel::Share).data().toString(), share);
    }
    // The descendant's count is edited on the page of the bequest, not in the family table.
    QVERIFY(!(relatives->flags(relatives->index(2, details::RelativesModel::Count)) & Qt::ItemIsEditable));

    // Printed: the tables of the bequest and its working.
    const QString html = details::document::html(w->documentParts());
    QCOMPARE(html.contains(details::bequestCaption("titleBranches", Language::English).toHtmlEscaped()), !bequest.isEmpty());
    QVERIFY(html.contains(details::bequestCaption(bequest.isEmpty() ? "titleNoBequest" : "titleHeirs", Language::English).toHtmlEscaped()));
    QVERIFY(!page->working().isEmpty());
    for (const QString &line : page->working())
        QVERIFY2(html.contains(line.toHtmlEscaped()), qPrintable(line));
    QCOMPARE(html.contains(details::bequestCaption("titleRecipients", Language::English).toHtmlEscaped()), !bequest.isEmpty());

    // Saved and opened again, the case comes back with its predeceased son.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bequest.tarnavel"));
    QVERIFY(w->saveFile(path));
    CaseWindow *again = cw::open(cw::family({}), 1);
    QVERIFY(again->openFile(path));
    QVERIFY(again->relativesPanel()->predeceased() == std::vector<engine::Predeceased>{son});
    QCOMPARE(again->relativesPanel()->bequestPage()->heirsModel()->index(0, details::BequestModel::Share).data().toString(), heirs[0]);
    QSettings().clear();
}

// A predeceased daughter with two sons, one given a tenth, with keys alone.
void tst_relatives_panel::bequestKeyboardOnly()
{
    RelativesPanel panel;
    panel.setLanguage(Language::English);
    panel.setEditorFamily(familyOf(QStringLiteral("son")));
    panel.setProfile(Profile::Egypt, profileViews(Profile::Egypt));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto *tabs = panel.findChild<QTabWidget *>(QStringLiteral("tabsRelatives"));
    tabs->setCurrentWidget(panel.findChild<QWidget *>(QStringLiteral("pageBequest")));
    auto *child = panel.findChild<QComboBox *>(QStringLiteral("cmbPredeceasedChild"));
    child->setFocus();
    QTest::keyClick(child, Qt::Key_Down);    // the daughter
    QTest::keyClick(child, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAddPredeceased"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    auto *path = panel.findChild<QComboBox *>(QStringLiteral("cmbDescendantPath"));
    QCOMPARE(QApplication::focusWidget(), path);   // her first descendant, her son, is offered first
    QTest::keyClick(path, Qt::Key_Tab);
    auto *count = panel.findChild<QSpinBox *>(QStringLiteral("spnDescendantCount"));
    QCOMPARE(QApplication::focusWidget(), count);
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("2"));
    QTest::keyClick(count, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10%"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const engine::Predeceased expected{*Path::parse("daughter"), {{*Path::parse("son"), 2}}, {},
                                       {{*Path::parse("son"), Rational(1, 10)}}};
    QVERIFY(panel.predeceased() == std::vector<engine::Predeceased>{expected});
    // As alive she would take 1/3; less the tenth given, her sons take 7/30.
    const auto *recipients = panel.bequestPage()->recipientsModel();
    QCOMPARE(recipients->index(0, details::BequestModel::Share).data().toString(), QStringLiteral("7/30"));

    // Her daughter who also died before, leaving a daughter: the Egyptian
    // code gives a daughter's line its first generation only.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAddPredeceasedBelow"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);   // a daughter, as the child box still says
    QCOMPARE(QApplication::focusWidget(), path);
    path->setCurrentIndex(path->findData(QStringLiteral("daughter")));
    QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdAddDescendant")), Qt::LeftButton);
    auto *list = panel.findChild<QListWidget *>(QStringLiteral("lstPredeceased"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);
    engine::Predeceased nested = expected;
    nested.predeceased.push_back({*Path::parse("daughter"), {{*Path::parse("daughter"), 1}}, {}, {}});
    QVERIFY(panel.predeceased() == std::vector<engine::Predeceased>{nested});
    QCOMPARE(recipients->rowCount(), 2);
    QCOMPARE(recipients->index(1, details::BequestModel::Name).data(Qt::ToolTipRole).toString(),
             QStringLiteral("daughter.daughter.daughter"));
    QCOMPARE(recipients->index(1, details::BequestModel::Note).data().toString(),
             details::bequestCaption("reason.outsideTheLines", Language::English));
    // Removing him leaves her as she was.
    QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdRemovePredeceased")), Qt::LeftButton);
    QVERIFY(panel.predeceased() == std::vector<engine::Predeceased>{expected});
}

// The deceased's own bequest of 150 of 2100 beside a predeceased son's son:
// the obligatory 2/7 (600) is paid first and leaves 100 of the third for it.
void tst_relatives_panel::ownBequestAfterObligatory()
{
    CaseWindow *w = cw::open(cw::family({{Relative::Son, 2}, {Relative::Daughter, 1}}), 1);
    const auto type = [w](const char *name, const QString &text) {
        auto *edit = w->findChild<QLineEdit *>(QLatin1String(name));
        edit->setFocus();
        edit->selectAll();
        QKeyEvent commit(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QCoreApplication::sendEvent(edit, &commit);
    };
    type("txtEstate", QStringLiteral("2100"));
    type("txtBequest", QStringLiteral("150"));
    RelativesPanel *panel = w->relativesPanel();
    panel->findChild<QComboBox *>(QStringLiteral("cmbProfile"))->setCurrentIndex(int(Profile::Egypt));
    panel->findChild<QComboBox *>(QStringLiteral("cmbPredeceasedChild"))->setCurrentIndex(0);
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdAddPredeceased")), Qt::LeftButton);
    auto *paths = panel->findChild<QComboBox *>(QStringLiteral("cmbDescendantPath"));
    paths->setCurrentIndex(paths->findData(QStringLiteral("son")));
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdAddDescendant")), Qt::LeftButton);
    QCOMPARE(panel->bequestResult().voluntary, Rational(1, 21));
    const auto *page = panel->bequestPage();
    QCOMPARE(page->recipientsModel()->index(0, details::BequestModel::Amount).data().toString(), QStringLiteral("600.00"));
    QCOMPARE(page->heirsModel()->index(0, details::BequestModel::Share).data().toString(), QStringLiteral("8/15"));
    QCOMPARE(page->heirsModel()->index(0, details::BequestModel::Amount).data().toString(), QStringLiteral("1120.00"));
    // Printed, the working table of the family list is said not to be this case's answer.
    QVERIFY(details::document::html(w->documentParts())
                .contains(details::relativesCaption("docBeyondEditor", Language::English).arg(panel->profileLine()).toHtmlEscaped()));
    QSettings().clear();
}

// A pregnant widow's case and its kin, entered on the page as a user would:
// the estimates table pays now and holds what engine::estimate gives, the
// family list says what is paid now, and the printed document carries it.
void tst_relatives_panel::uncertainEstimates_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("supposes");   // one column's caption
    QTest::addColumn<QString>("held");       // wife 1/8 and mother 1/6 at most beside a son or a daughter
    QTest::addColumn<bool>("suspended");
    QTest::addColumn<bool>("hoped");        // the hermaphrodite may yet show his sex
    const int unborn = int(engine::Uncertainty::Unborn), missing = int(engine::Uncertainty::Missing);
    const int hermaphrodite = int(engine::Uncertainty::Hermaphrodite);
    QTest::newRow("unborn son, two children reserved") << "program" << unborn << "a male and a female" << "17/24" << false << true;
    QTest::newRow("unborn son, hanafi: one child") << "hanafi" << unborn << "born a male" << "17/24" << false << true;
    QTest::newRow("unborn son, maliki: the division waits") << "maliki" << unborn << "born dead" << "1" << true << true;
    QTest::newRow("missing son") << "program" << missing << "alive" << "17/24" << false << true;
    // As a daughter the child takes 1/2 and the brother the 5/24 left: held 5/24.
    QTest::newRow("hermaphrodite son, shafii: least held") << "shafii" << hermaphrodite << "as female" << "5/24" << false << true;
    // Beyond hope, the Hanbalis give half of the two shares: nothing held.
    QTest::newRow("hermaphrodite son, hanbali, no sign to hope for") << "hanbali" << hermaphrodite << "as male" << "0" << false << false;
}

void tst_relatives_panel::uncertainEstimates()
{
    QFETCH(QString, profile);
    QFETCH(int, state);
    QFETCH(QString, supposes);
    QFETCH(QString, held);
    QFETCH(bool, suspended);
    QFETCH(bool, hoped);
    const Profile p = *profileFromName(profile.toStdString());
    details::CaseState s = cw::family({{Relative::Wife, 1}, {Relative::Mother, 1}, {Relative::FullBrother, 1}});
    s.estate.value = QStringLiteral("24000");
    CaseWindow *w = cw::open(s, 1);
    RelativesPanel *panel = w->relativesPanel();
    auto *tabs = panel->parentWidget()->parentWidget();
    qobject_cast<QTabWidget *>(tabs)->setCurrentWidget(panel);
    panel->findChild<QComboBox *>(QStringLiteral("cmbProfile"))->setCurrentIndex(int(p));
    auto *steps = panel->findChild<QListWidget *>(QStringLiteral("lstSteps"));
    steps->setFocus();
    for (int i = 0; i < steps->count(); ++i)
        if (steps->item(i)->toolTip() == u"son")
            steps->setCurrentRow(i);
    QTest::keyClick(steps, Qt::Key_Return);
    // Enter takes the step and adds no one (the window's Add is not pressed with it).
    QCOMPARE(words(panel->steps()), QStringList{QStringLiteral("son")});
    QVERIFY(panel->addedRelatives().empty());
    // Keys alone: Tab goes on from Add to the state, and from it to Add in this state.
    auto *stateBox = panel->findChild<QComboBox *>(QStringLiteral("cmbUncertainState"));
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *add = panel->findChild<QPushButton *>(QStringLiteral("cmdAddRelative"));
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), stateBox);
    QTest::keyClick(stateBox, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel->findChild<QPushButton *>(QStringLiteral("cmdAddUncertain")));
    panel->findChild<QComboBox *>(QStringLiteral("cmbUncertainState"))->setCurrentIndex(state);
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdAddUncertain")), Qt::LeftButton);
    QCOMPARE(panel->uncertainPersons().size(), std::size_t(1));
    // Whether he may yet show his sex is asked where there is a hermaphrodite.
    QCOMPARE(!panel->findChild<QCheckBox *>(QStringLiteral("chkClarityHoped"))->isHidden(),
             state == int(engine::Uncertainty::Hermaphrodite));
    panel->findChild<QCheckBox *>(QStringLiteral("chkClarityHoped"))->setChecked(hoped);

    engine::UncertainFamily f{familyOf(QStringLiteral("wife,mother,brother")),
                              {{engine::Uncertainty(state), *Path::parse("son"), 1, hoped}}};
    f.known.profile = p;
    f.known.views = profileViews(p);
    const engine::EstimatesResult expected = engine::estimate(f);
    QCOMPARE(expected.held, Rational(int(valueOf(held) * 24), 24));
    const auto *m = panel->estimatesModel();
    for (std::size_t c = 0; c + 1 < expected.claimants.size(); ++c) {
        const engine::Claimant &k = expected.claimants[c];
        const QString name = k.uncertain >= 0 ? details::uncertainName(f.uncertain[0], Language::English)
                                              : report::relativeName(k.path, Language::English, k.count);
        int row = -1;
        for (int r = 0; r < m->rowCount(); ++r)
            row = m->index(r, 0).data().toString() == name ? r : row;
        QVERIFY2(row >= 0, qPrintable(name));
        QCOMPARE(m->index(row, m->paidColumn()).data().toString(), details::shareText(expected.now[c]));
        QCOMPARE(m->index(row, m->partsColumn()).data().toString(), QString::number(expected.nowParts[c]));
    }
    QCOMPARE(m->index(m->heldRow(), m->heldColumn()).data().toString(), held);
    QCOMPARE(m->index(m->heldRow(), m->partsColumn()).data().toString(), QString::number(expected.heldParts));
    QStringList headers;
    for (int c = 0; c < m->columnCount(); ++c)
        headers << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QVERIFY2(headers.contains(supposes), qPrintable(headers.join(u'|')));
    // Paid now and held in money add up to the estate.
    QVERIFY(m->amountColumn() > 0);
    double total = 0;
    for (int r = 0; r < m->rowCount(); ++r)
        total += m->index(r, m->amountColumn()).data().toString().toDouble();
    QCOMPARE(total, 24000.0);
    const QString summary = panel->findChild<QLabel *>(QStringLiteral("lblEstimatesSummary"))->text();
    QCOMPARE(summary == details::estimatesCaption("summarySuspended", Language::English), suspended);
    // The family list: the person last, paid what the estimates pay him now.
    const auto *list = panel->relativesModel();
    const int last = list->rowCount() - 1;
    QCOMPARE(list->index(last, details::RelativesModel::Name).data().toString(), details::uncertainName(f.uncertain[0], Language::English));
    QCOMPARE(list->index(last, details::RelativesModel::Share).data().toString(),
             details::shareText(expected.now[expected.claimants.size() - 2]));

    const QString html = details::document::html(w->documentParts());
    for (const QString &text : headers)
        QVERIFY2(html.contains(text.toHtmlEscaped()), qPrintable(text));
    QVERIFY(html.contains(details::estimatesCaption("heldRow", Language::English).toHtmlEscaped()));
    QVERIFY(!panel->estimatesWorking().isEmpty());
    for (const QString &line : panel->estimatesWorking())
        QVERIFY2(html.contains(line.toHtmlEscaped()), qPrintable(line));

    // Removed from the family list, it leaves the case as it was.
    auto *table = panel->findChild<QTableView *>(QStringLiteral("tblRelatives"));
    table->setCurrentIndex(list->index(last, 0));
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdRemoveRelative")), Qt::LeftButton);
    QVERIFY(panel->uncertainPersons().empty());
    QCOMPARE(list->rowCount(), 3);
    QVERIFY(!details::document::html(w->documentParts()).contains(details::estimatesCaption("heldRow", Language::English).toHtmlEscaped()));
    QSettings().clear();
}

QTEST_MAIN(tst_relatives_panel)
#include "tst_relatives_panel.moc"
