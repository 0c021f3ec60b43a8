// SPDX-License-Identifier: GPL-3.0-or-later
// The page of later deaths driven by its controls as a user would: the
// science documents' examples of al-munasakhat entered step by step, the
// classical table against the calculation and the documents' figures, and
// the printed document with the table.
#include "ui/window_names.h"
#include "tests/tst_case_window_support.h"
#include "tests/tst_successive_support.h"
#include "tests/tst_acceptance_support.h"

#include "details/deaths_page.h"
#include "details/relatives_model.h"
#include "report/ui/printing.h"
#include "ui/help.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// Picks the entry of a list or combo box with the keys, as a user would.
template <class W, class Text> bool pick(W *w, Text text, const QString &wanted)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Home);
    for (int i = 0; i <= w->count(); ++i) {
        if (text(w) == wanted)
            return true;
        QTest::keyClick(w, Qt::Key_Down);
    }
    return false;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

} // namespace

class tst_case_deaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        printing::setPrinterChooser(nullptr);
        ui::resetRegistry();
        language::applyToApplication(Language::Arabic);
    }

    void scienceExamples_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("deceased");    // of the first family
        QTest::addColumn<QString>("relatives");   // path, or path=the first family's path
        QTest::addColumn<QString>("chain");       // the same chain as tst_successive writes it
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QStringList>("parts");   // the document's table
        QTest::newRow("the son dies, agreement (English)")
            << 1 << "son" << "mother=wife wife son sister=daughter"
            << "wife=Hind son=Zayd daughter=Fatima | Zayd: mother=Hind wife son sister=Fatima" << "agree by 2"
            << QStringList{"64", "84", "21", "119"};
        QTest::newRow("the daughter dies, prime (Arabic)")
            << 0 << "daughter" << "husband mother=wife brother=son"
            << "wife=Hind son=Zayd daughter=Fatima | Fatima: husband mother=Hind brother=Zayd"
            << QString::fromUtf8("تباين") << QStringList{"32", "91", "21"};
    }
    void scienceExamples()
    {
        QFETCH(int, language);
        QFETCH(QString, deceased);
        QFETCH(QString, relatives);
        QFETCH(QString, chain);
        QFETCH(QString, relation);
        QFETCH(QStringList, parts);
        const auto lang = Language(language);
        CaseWindow *w = cw::open(cw::family({{Relative::Wife, 1}, {Relative::Son, 1}, {Relative::Daughter, 1}}), language);
        auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));
        auto *page = w->findChild<DeathsPage *>(QStringLiteral("tabDeaths"));
        QVERIFY(tabs && page);
        tabs->setCurrentWidget(page);
        const engine::Family first = details::firstFamily(w->state(), lang);
        const auto name = [&](const char *path) {
            return details::personName({0, *Path::parse(path), 0}, first, {}, lang);
        };

        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("cmdAddDeath")), Qt::LeftButton);
        auto *who = page->findChild<QComboBox *>(QStringLiteral("cmbDeceased"));
        QVERIFY(pick(who, [](QComboBox *c) { return c->currentText(); }, name(qPrintable(deceased))));
        auto *steps = page->findChild<QListWidget *>(QStringLiteral("lstDeathSteps"));
        auto *same = page->findChild<QComboBox *>(QStringLiteral("cmbDeathSame"));
        auto *add = page->findChild<QPushButton *>(QStringLiteral("cmdAddDeathRelative"));
        for (const QString &token : relatives.split(' ')) {
            const QString path = token.section('=', 0, 0);
            QString prefix;
            for (const QString &step : path.split('.')) {
                prefix += (prefix.isEmpty() ? QString() : QStringLiteral(".")) + step;
                QVERIFY2(pick(steps, [](QListWidget *l) { return l->currentItem()->toolTip(); }, prefix), qPrintable(prefix));
                QTest::keyClick(steps, Qt::Key_Return);
            }
            if (token.contains('='))
                QVERIFY(pick(same, [](QComboBox *c) { return c->currentText(); }, name(qPrintable(token.section('=', 1)))));
            QTest::mouseClick(add, Qt::LeftButton);
        }
        QCOMPARE(int(w->state().laterDeaths.size()), 1);

        // The table's final parts and fractions are the calculation's.
        const details::DeathsModel *m = page->model();
        QVERIFY2(m->error().isEmpty(), qPrintable(m->error()));
        const engine::ChainResult r = engine::workChain(successive_test::chainOf(chain));
        QVERIFY(r.ok());
        QStringList expected, seen, seenParts;
        for (std::size_t h = 0; h < r.holders.size(); ++h)
            if (r.finalParts[h] != 0)
                expected << QStringLiteral("%1 %2").arg(r.finalParts[h]).arg(details::shareText(r.shares[h]));
        for (int row = details::DeathsModel::HeadRows; row < m->rowCount(); ++row) {
            const QString final = m->index(row, m->finalColumn()).data().toString();
            if (final.isEmpty())
                continue;
            seen << final + QLatin1Char(' ') + m->index(row, m->fractionColumn()).data().toString();
            seenParts << final;
        }
        QCOMPARE(sorted(seen), sorted(expected));
        QCOMPARE(sorted(seenParts), sorted(parts));
        QVERIFY(m->index(details::DeathsModel::DeceasedRow, m->caseColumn(1)).data().toString().contains(relation));

        // The printed document holds the table and the steps.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("deaths.pdf"));
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        const QString text = acc::pdfText(pdf);
        for (const QString &e : {details::deathsCaption("docTitle", lang).section(' ', 0, 1),
                                 QString::number(r.reducedBase),
                                 details::shareText(r.shares.back())})
            QVERIFY2(text.contains(e), qPrintable(e + QStringLiteral(" not in\n") + text));
    }

    // A relative's count is changed in place and a relative removed with
    // the Delete key: the case and the table follow.
    void editInPlace()
    {
        const auto P = [](const char *p) { return *Path::parse(p); };
        details::CaseState s = cw::family({{Relative::Wife, 1}, {Relative::Son, 1}, {Relative::Daughter, 1}});
        s.laterDeaths = {{{0, P("son"), 0},
                          {{P("mother"), 1, details::PersonRef{0, P("wife"), 0}}, {P("wife"), 1, std::nullopt},
                           {P("son"), 1, std::nullopt}, {P("sister"), 1, details::PersonRef{0, P("daughter"), 0}}}}};
        CaseWindow *w = cw::open(s, 1);
        const details::DeathsModel *m = w->deathsPage()->model();
        const auto finalOf = [m](int holder) {
            return m->index(m->rowOfHolder(holder), m->finalColumn()).data().toLongLong();
        };
        QCOMPARE(finalOf(0), 64);   // the wife, the son's mother
        auto *list = w->deathsPage()->findChild<QListWidget *>(QStringLiteral("lstDeathRelatives"));
        auto *count = w->deathsPage()->findChild<QSpinBox *>(QStringLiteral("spnDeathRelativeCount"));
        list->setFocus();
        list->setCurrentRow(2);   // his son
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(w->state().laterDeaths[0].relatives[2].count, 2);
        QVERIFY(w->isModified());
        list->setCurrentRow(0);   // his mother
        QVERIFY(!count->isEnabled());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(int(w->state().laterDeaths[0].relatives.size()), 3);
        QVERIFY(m->error().isEmpty());
        QCOMPARE(finalOf(0), m->result().reducedBase / 8);   // the wife: her eighth of the first case alone
    }

    // A later death whose deceased left the family (the editor's sons set
    // to none) is said to be wrong, and the document leaves the table out.
    void deceasedGone()
    {
        details::CaseState s = cw::family({{Relative::Wife, 1}, {Relative::Son, 1}});
        s.laterDeaths = {{{0, *Path::parse("son"), 0}, {{*Path::parse("son"), 2, std::nullopt}}}};
        CaseWindow *w = cw::open(s, 1);
        QVERIFY(w->deathsPage()->model()->error().isEmpty());
        s.setCount(Relative::Son, 0);
        s.setCount(Relative::Daughter, 1);
        w->setCase(s);
        const auto *error = w->deathsPage()->findChild<QLabel *>(QStringLiteral("lblDeathsError"));
        QVERIFY(!error->isHidden());
        QVERIFY(error->text().contains(QLatin1String("case 2")));
        for (const auto &t : w->documentParts().tables)
            QVERIFY(t.title != details::deathsCaption("docTitle", Language::English));
    }

    // F1 on the page lands on its own section, which both guides have.
    void helpSection_data()
    {
        QTest::addColumn<QString>("guide");
        QTest::newRow("Arabic") << "guide_ar.html";
        QTest::newRow("English") << "guide_en.html";
    }
    void helpSection()
    {
        QFETCH(QString, guide);
        CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}}), 0);
        const QWidget *control = w->deathsPage()->findChild<QWidget *>(QStringLiteral("cmbDeathSame"));
        QCOMPARE(help::sectionFor(control), QStringLiteral("frmDeaths"));
        QFile file(QStringLiteral(TARNAVEL_DOC_DIR "/") + guide);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<a name=\"frmDeaths\">"));
    }
};

QTEST_MAIN(tst_case_deaths)
#include "tst_case_deaths.moc"
