// SPDX-License-Identifier: GPL-3.0-or-later
// The case window as a user meets it: the working of the named kinds of case
// in both languages, edits that recompute, estate entries good and bad, case
// files saved and opened, bad files refused, and the ways in from the
// results window and the main window's menu.
#include "ui/window_names.h"
#include "tests/tst_case_window_support.h"

#include "case/calculation.h"
#include "details/case_file.h"
#include "details/recent_cases.h"
#include "details/register_details.h"
#include "report/ui/printing.h"
#include "ui/captions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

namespace casefile = details::casefile;
using details::caption;
Q_DECLARE_METATYPE(details::CaseState)

namespace {

// The whole entry at once, as pasted over the old one (typed key by key,
// every prefix would be an entry of its own).
void setEntry(CaseWindow *w, const char *name, const QString &text)
{
    auto *edit = w->findChild<QLineEdit *>(QLatin1String(name));
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QKeyEvent commit(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QCoreApplication::sendEvent(edit, &commit);
    }
}

void typeCount(CaseWindow *w, const char *spin, const QString &count)
{
    auto *s = w->findChild<QSpinBox *>(QLatin1String(spin));
    s->setFocus();
    s->selectAll();
    QTest::keyClicks(s, count);
}

QStringList amounts(CaseWindow *w)
{
    QStringList out;
    for (int r = 0; r < w->amountsModel()->rowCount(); ++r)
        out << w->amountsModel()->text(r, AmountsModel::Total);
    return out;
}

} // namespace

class tst_case_window : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        fonts::installSubstitutions();
    }
    void cleanup()
    {
        details::setFileChooser(nullptr);
        printing::setPrinterChooser(nullptr);
        ui::resetRegistry();
        language::applyToApplication(Language::Arabic);
    }

    void working_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<details::CaseState>("state");
        QTest::addColumn<QString>("base");        // base, 'awl or return, corrected
        QTest::addColumn<QString>("parts");       // corrected parts, the total last
        QTest::addColumn<QString>("shares");      // of 2400
        QTest::addColumn<QString>("otherParts");  // the other grandfather method's
        QTest::addColumn<int>("excluded");
        using R = Relative;
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s worked example", l)
                << lang << cw::family({{R::Father, 1}, {R::Mother, 1}, {R::Wife, 1}, {R::Son, 1}})
                << "24 - 24" << "4 4 3 13 24" << "400 400 300 1300 2400" << "" << 0;
            QTest::addRow("%s 'awl", l)
                << lang << cw::family({{R::Husband, 1}, {R::Mother, 1}, {R::FullSister, 2}}, true)
                << "6 8 8" << "1 3 4 8" << "300 900 1200 2400" << "" << 0;
            QTest::addRow("%s return with a spouse", l)
                << lang << cw::family({{R::Wife, 1}, {R::Mother, 1}, {R::Daughter, 1}})
                << "24 4 32" << "7 4 21 32" << "525 300 1575 2400" << "" << 0;
            QTest::addRow("%s grandfather's choice", l)
                << lang << cw::family({{R::GrandFather, 1}, {R::Mother, 1}, {R::FullBrother, 1}})
                << "3 - 3" << "1 1 1 3" << "800 800 800 2400" << "2 1 3" << 0;
            QTest::addRow("%s excluded relatives", l)
                << lang << cw::family({{R::Father, 1}, {R::Son, 1}, {R::FullBrother, 2}, {R::ParentalUncle, 1}})
                << "6 - 6" << "1 5 6" << "400 2000 2400" << "" << 2;
        }
    }
    void working()
    {
        QFETCH(int, language);
        QFETCH(details::CaseState, state);
        QFETCH(QString, base);
        QFETCH(QString, parts);
        QFETCH(QString, shares);
        QFETCH(QString, otherParts);
        QFETCH(int, excluded);
        CaseWindow *w = cw::open(state, language);
        const WorkingModel &m = *w->workingModel();
        const int total = m.rowCount() - 1;
        QCOMPARE(QStringList({m.text(total, WorkingModel::Base), m.text(total, WorkingModel::AwlOrReturn),
                              m.text(total, WorkingModel::Corrected)}).join(QLatin1Char(' ')).replace(QStringLiteral("—"), QStringLiteral("-")),
                 base);
        QCOMPARE(cw::column(m, WorkingModel::Corrected).join(QLatin1Char(' ')).trimmed(), parts);
        QCOMPARE(cw::column(m, WorkingModel::Shares).join(QLatin1Char(' ')), shares);
        QCOMPARE(m.text(total, WorkingModel::Percent), QStringLiteral("100 %"));
        // What the screen shows is the same table.
        auto *table = w->findChild<QTableView *>(QStringLiteral("tblWorking"));
        QCOMPARE(table->model()->rowCount(), m.rowCount());
        QCOMPARE(table->isColumnHidden(WorkingModel::AwlOrReturn), base.contains(QLatin1String(" - ")));
        auto *other = w->findChild<QGroupBox *>(QStringLiteral("grpOther"));
        QCOMPARE(other->isVisible(), !otherParts.isEmpty());
        if (!otherParts.isEmpty()) {
            QCOMPARE(cw::column(*w->otherModel(), WorkingModel::Corrected).join(QLatin1Char(' ')).trimmed(), otherParts);
            QVERIFY(w->findChild<QComboBox *>(QStringLiteral("cmbMethod"))->isEnabled());
        }
        QCOMPARE(w->excludedLines().size(), excluded);
        QVERIFY(!w->stepLines().isEmpty());
        // Each fixed share's step names its verse.
        QVERIFY(w->stepLines().join(QLatin1Char(' ')).contains(QRegularExpression(QStringLiteral("\\[4:1[12]\\]|\\[4:176\\]"))));
        QCOMPARE(w->windowTitle(), language ? QStringLiteral("Case details") : captions::text(windows::CaseDetails, QStringLiteral("window"), Language::Arabic));
        QCOMPARE(w->layoutDirection(), language ? Qt::LeftToRight : Qt::RightToLeft);
    }

    // Edits in place recompute the whole window and never reach the
    // program's own case record.
    void editsRecompute()
    {
        CaseWindow *w = cw::open(cw::family({{Relative::Father, 1}, {Relative::Mother, 1}, {Relative::Wife, 1}, {Relative::Son, 1}}), 1);
        theCase().SonCount = 7;
        typeCount(w, "spnSon", QStringLiteral("2"));
        QCOMPARE(cw::column(*w->workingModel(), WorkingModel::Corrected).join(QLatin1Char(' ')), QStringLiteral("8 8 6 26 48"));
        QCOMPARE(w->workingModel()->text(3, WorkingModel::EachHead), QStringLiteral("13"));
        QTest::mouseClick(w->findChild<QCheckBox *>(QStringLiteral("chkFather")), Qt::LeftButton);
        QCOMPARE(w->state().count(Relative::Father), 0);
        QCOMPARE(theCase().SonCount, 7);
        QCOMPARE(theCase().FatherAlive, 0);

        // A woman leaves a husband, not wives.
        auto *sex = w->findChild<QComboBox *>(QStringLiteral("cmbSex"));
        sex->setCurrentIndex(1);
        QCOMPARE(w->state().count(Relative::Wife), 0);
        QVERIFY(!w->findChild<QSpinBox *>(QStringLiteral("spnWife"))->isEnabled());
        QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("chkHusband"))->isEnabled());

        // The grandfather's choice swaps the two tables.
        w->setCase(cw::family({{Relative::GrandFather, 1}, {Relative::Mother, 1}, {Relative::FullBrother, 1}}));
        const QString second = w->workingModel()->text(0, WorkingModel::Corrected);
        w->findChild<QComboBox *>(QStringLiteral("cmbMethod"))->setCurrentIndex(0);
        QCOMPARE(w->working().method, 1);
        QCOMPARE(w->otherModel()->text(0, WorkingModel::Corrected), second);
    }

    void estate_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("entries");   // estate, costs, debts, bequest, decimals
        QTest::addColumn<QString>("errorAt");       // the field's error label, empty when good
        QTest::addColumn<QString>("totals");   // after a bad entry, those of the last good one
        const QString good = QStringLiteral("400.00 400.00 300.00 1300.00");
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s whole estate", l) << lang << QStringList{"2400", "", "", "", "2"} << "" << good;
            QTest::addRow("%s costs and debts first", l) << lang << QStringList{"2600", "100", "100", "", "2"} << "" << good;
            QTest::addRow("%s bequest above a third", l) << lang << QStringList{"3600", "", "", "2000", "2"} << "" << good;
            QTest::addRow("%s Arabic-Indic digits", l) << lang << QStringList{QString::fromUtf8("\u0662\u0664\u0660\u0660"), "", "", "", "0"} << "" << QStringLiteral("400 400 300 1300");
            QTest::addRow("%s odd amount, exact total", l) << lang << QStringList{"100", "", "", "", "2"} << "" << QStringLiteral("16.67 16.67 12.50 54.16");
            QTest::addRow("%s comma", l) << lang << QStringList{"2400", "", "12,5", "", "2"} << "errDebts" << good;
            QTest::addRow("%s negative", l) << lang << QStringList{"-5", "", "", "", "2"} << "errEstate" << good;
            QTest::addRow("%s too many decimals", l) << lang << QStringList{"10.125", "", "", "", "2"} << "errEstate" << good;
            QTest::addRow("%s debts above the estate", l) << lang << QStringList{"100", "", "200", "", "2"} << "errDebts"
                                                         << QStringLiteral("16.67 16.67 12.50 54.16");
            QTest::addRow("%s letters in the bequest", l) << lang << QStringList{"2400", "", "", "a third", "2"} << "errBequest" << good;
        }
    }
    void estate()
    {
        QFETCH(int, language);
        QFETCH(QStringList, entries);
        QFETCH(QString, errorAt);
        QFETCH(QString, totals);
        CaseWindow *w = cw::open(cw::family({{Relative::Father, 1}, {Relative::Mother, 1}, {Relative::Wife, 1}, {Relative::Son, 1}}), language);
        w->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(1);
        // Good figures first: a bad entry must leave them on screen.
        setEntry(w, "txtEstate", QStringLiteral("2400"));
        QCOMPARE(amounts(w).join(QLatin1Char(' ')), QStringLiteral("400.00 400.00 300.00 1300.00"));
        w->findChild<QSpinBox *>(QStringLiteral("spnDecimals"))->setValue(entries[4].toInt());
        const char *fields[] = {"txtEstate", "txtFuneralCosts", "txtDebts", "txtBequest"};
        for (int k = 0; k < 4; ++k)
            setEntry(w, fields[k], entries[k]);
        QCOMPARE(amounts(w).join(QLatin1Char(' ')), totals);
        for (auto *label : w->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^err"))))
            QCOMPARE(label->isVisible(), label->objectName() == errorAt);
        QCOMPARE(w->estateError().isEmpty(), errorAt.isEmpty());
        if (!errorAt.isEmpty())
            QCOMPARE(w->findChild<QLabel *>(errorAt)->text(), w->estateError());
    }

    // A bad entry leaves the last good figures on screen: they say they are
    // out of date, and neither printing nor a PDF goes ahead; saving asks.
    void entryInError_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");   // to the question, when one is asked
        QTest::addColumn<bool>("written");
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s print", l) << lang << "cmdPrint" << int(QMessageBox::Ok) << false;
            QTest::addRow("%s pdf", l) << lang << "cmdPdf" << int(QMessageBox::Ok) << false;
            QTest::addRow("%s save cancelled", l) << lang << "cmdSave" << int(QMessageBox::Cancel) << false;
            QTest::addRow("%s save anyway", l) << lang << "cmdSave" << int(QMessageBox::Save) << true;
        }
    }
    void entryInError()
    {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        CaseWindow *w = cw::open(cw::family({{Relative::Father, 1}, {Relative::Son, 1}}), language);
        w->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(1);
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(file));
        cw::fixedFiles()->savePath = file;
        setEntry(w, "txtEstate", QStringLiteral("100000"));
        setEntry(w, "txtDebts", QStringLiteral("20000"));
        auto *summary = w->findChild<QLabel *>(QStringLiteral("lblSummary"));
        const QString outOfDate = caption("sum.outOfDate", Language(language));
        QVERIFY(!summary->text().contains(outOfDate));
        setEntry(w, "txtDebts", QStringLiteral("200000"));
        QVERIFY(!w->estateError().isEmpty());
        QVERIFY(summary->text().startsWith(outOfDate));
        QVERIFY(!w->findChild<QTableView *>(QStringLiteral("tblAmounts"))->isEnabled());

        QString text;
        onNextModal([&](QWidget *m) {
            auto *box = qobject_cast<QMessageBox *>(m);
            if (!box)
                return m->hide();
            text = box->objectName() + QLatin1Char(' ') + box->text();
            QAbstractButton *b = box->button(QMessageBox::StandardButton(answer));
            b ? b->click() : box->reject();
        });
        QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY2(text.startsWith(QLatin1String("estateErrorNotice")) && text.contains(w->estateError()), qPrintable(text));
        QCOMPARE(QFile::exists(file), written);

        // Corrected, the figures are current again and the case prints.
        setEntry(w, "txtDebts", QStringLiteral("2000"));
        QVERIFY(!summary->text().contains(outOfDate));
        QVERIFY(w->findChild<QTableView *>(QStringLiteral("tblAmounts"))->isEnabled());
    }

    // What the summary says of a bequest that is not paid in full.
    void bequestNotes_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("entries");   // estate, debts, bequest
        QTest::addColumn<bool>("consent");
        QTest::addColumn<QString>("notes");         // the captions expected
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s within a third", l) << lang << QStringList{"900", "", "300"} << false << "";
            QTest::addRow("%s above a third", l) << lang << QStringList{"900", "", "600"} << false << "sum.bequestCapped";
            QTest::addRow("%s consent, above what is left", l) << lang << QStringList{"900", "300", "700"} << true << "sum.bequestCut sum.bequestTakesAll";
            QTest::addRow("%s consent, all that is left", l) << lang << QStringList{"900", "300", "600"} << true << "sum.bequestTakesAll";
            QTest::addRow("%s consent, less than what is left", l) << lang << QStringList{"900", "300", "500"} << true << "";
            QTest::addRow("%s debts take all", l) << lang << QStringList{"900", "900", ""} << false << "sum.nothingLeft";
        }
    }
    void bequestNotes()
    {
        QFETCH(int, language);
        QFETCH(QStringList, entries);
        QFETCH(bool, consent);
        QFETCH(QString, notes);
        CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}}), language);
        w->findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(1);
        w->findChild<QCheckBox *>(QStringLiteral("chkConsent"))->setChecked(consent);
        setEntry(w, "txtEstate", entries[0]);
        setEntry(w, "txtDebts", entries[1]);
        setEntry(w, "txtBequest", entries[2]);
        QVERIFY(w->estateError().isEmpty());
        const QString summary = w->findChild<QLabel *>(QStringLiteral("lblSummary"))->text();
        for (const char *key : {"sum.bequestCapped", "sum.bequestCut", "sum.bequestTakesAll", "sum.nothingLeft"}) {
            // The words after the amount, or the whole sentence without one.
            const QString lead = caption(key, Language(language)).section(QLatin1String("%1"), -1);
            QVERIFY2(summary.contains(lead) == notes.split(QLatin1Char(' ')).contains(QLatin1String(key)), key);
        }
    }

    // Printed to a file, the document is offered under the deceased's name
    // and the date, as every document of the program is.
    void printSuggestsNameAndDate()
    {
        struct Recording : printing::PrinterChooser
        {
            QString *seen;
            explicit Recording(QString *s) : seen(s) {}
            bool choose(QPrinter &p, QWidget *) override
            {
                *seen = p.docName() + QLatin1Char('|') + p.outputFileName();
                return false;
            }
        };
        QString seen;
        details::CaseState s = cw::family({{Relative::Son, 1}});
        s.name = QStringLiteral("Khalid");
        CaseWindow *w = cw::open(s, 1);
        printing::setPrinterChooser(std::make_unique<Recording>(&seen));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        const QString expected = QStringLiteral("Khalid %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(seen.section(QLatin1Char('|'), 0, 0), expected);
        const QString file = seen.section(QLatin1Char('|'), 1);
        QVERIFY2(file.isEmpty() || file.endsWith(QLatin1Char('/') + expected), qPrintable(file));
    }

    void saveThenOpen_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void saveThenOpen()
    {
        QFETCH(int, language);
        QTemporaryDir dir;
        details::CaseState s = cw::family({{Relative::GrandFather, 1}, {Relative::Mother, 1}, {Relative::FullSister, 2}});
        s.name = QStringLiteral("Khalid");
        s.method = 1;
        s.estate.value = QStringLiteral("9000");
        s.estate.bequest = QStringLiteral("100");
        CaseWindow *w = cw::open(s, language);
        cw::FixedFiles *files = cw::fixedFiles();
        files->savePath = dir.filePath(QStringLiteral("khalid"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
        const QString saved = dir.filePath(QStringLiteral("khalid.tarnavel"));
        QVERIFY(QFile::exists(saved));
        QCOMPARE(details::recent::files().value(0), saved);
        const QStringList before = cw::column(*w->workingModel(), WorkingModel::Nominal) + amounts(w);

        CaseWindow *again = cw::open(details::CaseState{}, language);
        files = cw::fixedFiles();
        files->openPath = saved;
        QTest::mouseClick(again->findChild<QPushButton *>(QStringLiteral("cmdOpen")), Qt::LeftButton);
        QVERIFY(again->state() == s);
        QCOMPARE(cw::column(*again->workingModel(), WorkingModel::Nominal) + amounts(again), before);
        QCOMPARE(again->findChild<QLineEdit *>(QStringLiteral("txtName"))->text(), QStringLiteral("Khalid"));
    }

    void badFile_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        const QByteArray ok = casefile::toJson(cw::family({{Relative::Son, 1}}), Language::Arabic, QDateTime::currentDateTimeUtc());
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s empty", l) << lang << QByteArray() << int(casefile::Error::Empty);
            QTest::addRow("%s not JSON", l) << lang << QByteArray("\x89PNG\r\n") << int(casefile::Error::NotACaseFile);
            QTest::addRow("%s newer format", l) << lang << QByteArray(ok).replace("\"formatVersion\": 1", "\"formatVersion\": 7") << int(casefile::Error::NewerFormat);
            QTest::addRow("%s count out of range", l) << lang << QByteArray(ok).replace("\"Son\": 1", "\"Son\": 999") << int(casefile::Error::BadValue);
            QTest::addRow("%s unknown relative", l) << lang << QByteArray(ok).replace("\"Son\": 1", "\"Nephew\": 1") << int(casefile::Error::UnknownRelative);
            QTest::addRow("%s truncated", l) << lang << ok.left(ok.size() - 20) << int(casefile::Error::Damaged);
        }
    }
    void badFile()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.tarnavel"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const details::CaseState s = cw::family({{Relative::Father, 1}, {Relative::Daughter, 3}});
        CaseWindow *w = cw::open(s, language);
        const QStringList before = cw::column(*w->workingModel(), WorkingModel::Corrected);
        QString title, text;
        acceptNextMessageBox(&title, &text);
        QVERIFY(!w->openFile(path));
        casefile::Problem p;
        p.error = casefile::Error(error);
        const QString reason = CaseWindow::problemText(p, Language(language)).section(QLatin1Char('%'), 0, 0).section(QChar(0x2066), 0, 0);
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("bad.tarnavel")));
        QVERIFY(w->state() == s);
        QCOMPARE(cw::column(*w->workingModel(), WorkingModel::Corrected), before);
        QVERIFY(!details::recent::files().contains(path));
    }

    // A bad file's message names the relative, field or contradiction in the
    // window's language, never by the file's internal key; a name the
    // program does not know is quoted as the file has it.
    void problemInLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("quoted");
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s count of wives", l) << lang << int(casefile::Error::BadValue) << "Wife" << false;
            QTest::addRow("%s consent", l) << lang << int(casefile::Error::BadValue) << "heirsConsent" << false;
            QTest::addRow("%s estate value", l) << lang << int(casefile::Error::BadValue) << "funeralCosts" << false;
            QTest::addRow("%s husband and wives", l) << lang << int(casefile::Error::Inconsistent) << "husbandAndWives" << false;
            QTest::addRow("%s unknown relative", l) << lang << int(casefile::Error::UnknownRelative) << "Nephew" << true;
        }
    }
    void problemInLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, error);
        QFETCH(QString, detail);
        QFETCH(bool, quoted);
        casefile::Problem p;
        p.error = casefile::Error(error);
        p.detail = detail;
        const QString text = CaseWindow::problemText(p, Language(language));
        QVERIFY2(text.contains(detail) == quoted, qPrintable(text));
        if (language == 0)
            QVERIFY2(!QString(text).remove(detail).contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(text));
    }

    // From the results of a case calculated through the questionnaires,
    // the results window's button shows that case, the grandfather method
    // as the method window left it.
    void fromResults_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void fromResults()
    {
        QFETCH(int, language);
        cw::open(details::CaseState{}, language);
        ui::discard(windows::CaseDetails);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (auto *name = ui::window(windows::DeceasedEntry)->findChild<QLineEdit *>(QStringLiteral("txtNameofDead")))
            name->setText(QStringLiteral("Salim"));
        CaseRecord &c = theCase();
        c.GrandFatherAsFather = 1;   // as the method window leaves the first method
        c.FatherAlive = 1;
        c.MotherAlive = 1;
        c.FullBrotherCount = 2;
        Recalculate(c);
        QWidget *results = ui::loadedWindow(windows::Results);
        QVERIFY(results && results->isVisible());
        auto *button = results->findChild<QPushButton *>(QStringLiteral("cmdDetails"));
        QVERIFY(button->isVisible());
        // In the free column under the design's buttons, overlapping none.
        for (const char *other : {"cmdPrint", "cmdFinish"})
            QVERIFY(!button->geometry().intersects(results->findChild<QWidget *>(QLatin1String(other))->geometry()));
        const CaseRecord shown = theCase();
        QTest::mouseClick(button, Qt::LeftButton);
        auto *w = qobject_cast<CaseWindow *>(ui::loadedWindow(windows::CaseDetails));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->state().name, QStringLiteral("Salim"));
        QCOMPARE(w->state().count(Relative::GrandFather), 1);
        QCOMPARE(w->state().count(Relative::Father), 0);
        QCOMPARE(w->working().method, 1);
        typeCount(w, "spnFullBrother", QStringLiteral("5"));
        QCOMPARE(theCase().FullBrotherCount, shown.FullBrotherCount);
        QCOMPARE(theCase().MotherShare, shown.MotherShare);
    }

    // tarnavel FILE: the case window in the file's language with its case.
    void commandLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("en.tarnavel"));
        QCOMPARE(casefile::save(path, cw::family({{Relative::Daughter, 2}}), Language::English).error, casefile::Error::None);
        cw::open(details::CaseState{}, 0);
        ui::discard(windows::CaseDetails);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A bad file first: its message, and no empty case window behind it.
        acceptNextMessageBox();
        QVERIFY(!details::openFromCommandLine(dir.filePath(QStringLiteral("absent.tarnavel"))));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ui::isLoaded(windows::CaseDetails));
        QVERIFY(details::openFromCommandLine(path));
        auto *w = qobject_cast<CaseWindow *>(ui::loadedWindow(windows::CaseDetails));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->language(), Language::English);
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(w->state().count(Relative::Daughter), 2);
        QString text;
        acceptNextMessageBox(nullptr, &text);
        QVERIFY(!details::openFromCommandLine(dir.filePath(QStringLiteral("missing.tarnavel"))));
        QVERIFY(text.contains(QLatin1String("missing.tarnavel")));
        QCOMPARE(w->state().count(Relative::Daughter), 2);
    }

    // Recent cases in the Arabic menu: each path whole, left to right, its
    // "&" shown as it is.
    void recentPathInArabic()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ali & Hind.tarnavel"));
        CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}}), 0);
        cw::fixedFiles()->savePath = path;
        QVERIFY(w->save());
        auto *main = qobject_cast<QMainWindow *>(ui::window(windows::Main));
        QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
        auto *recent = main->findChild<QMenu *>(QStringLiteral("mnuRecentCases"));
        emit recent->aboutToShow();
        const QString text = recent->actions().value(0) ? recent->actions().value(0)->text() : QString();
        QVERIFY2(text.startsWith(QChar(0x2066)) && text.endsWith(QChar(0x2069)), qPrintable(text));
        QCOMPARE(text.mid(1, text.size() - 2).replace(QLatin1String("&&"), QLatin1String("&")), path);
    }

    void mainWindowMenu()
    {
        QTemporaryDir dir;
        CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}}), 1);
        cw::fixedFiles()->savePath = dir.filePath(QStringLiteral("son.tarnavel"));
        w->save();
        w->hide();
        auto *main = qobject_cast<QMainWindow *>(ui::window(windows::Main));
        QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
        main->findChild<QAction *>(QStringLiteral("mnuCaseDetails"))->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(main->findChild<QAction *>(QStringLiteral("mnuOpenCase"))->text(), QStringLiteral("Open case…"));
        auto *recent = main->findChild<QMenu *>(QStringLiteral("mnuRecentCases"));
        QCOMPARE(recent->title(), QStringLiteral("Recent cases"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().value(0) ? recent->actions().value(0)->text() : QString(), dir.filePath(QStringLiteral("son.tarnavel")));
        w->setCase(details::CaseState{});
        recent->actions().value(0)->trigger();
        QCOMPARE(w->state().count(Relative::Son), 1);
    }
};

QTEST_MAIN(tst_case_window)
#include "tst_case_window.moc"
