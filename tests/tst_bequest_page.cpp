// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the obligatory bequest, entered as a user would: what its
// tables show is what the calculation gives, the document prints it, a case
// file keeps it, and the deceased's own bequest comes after it.
#include "details/bequest_panel.h"
#include "details/relatives_panel.h"
#include "tests/tst_case_window_support.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

// "son,daughter"
engine::Family familyOf(const QString &text)
{
    engine::Family f;
    for (const QString &entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        f.members.push_back({*Path::parse(entry.toStdString()), 1});
    return f;
}

} // namespace

class tst_bequest_page : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void obligatoryBequest_data();
    void obligatoryBequest();
    void bequestKeyboardOnly();
    void ownBequestAfterObligatory();
};

void tst_bequest_page::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    fonts::installSubstitutions();
}

// A son and a daughter beside a son who died before the deceased leaving a
// daughter, entered on the page of the bequest as a user would: what the
// tables show is what the calculation gives, and the document prints it.
void tst_bequest_page::obligatoryBequest_data()
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

void tst_bequest_page::obligatoryBequest()
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
void tst_bequest_page::bequestKeyboardOnly()
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
void tst_bequest_page::ownBequestAfterObligatory()
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

QTEST_MAIN(tst_bequest_page)
#include "tst_bequest_page.moc"
