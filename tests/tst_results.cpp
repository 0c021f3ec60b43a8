// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: placement in both languages, the report lines, the
// load's side effects, finish and print.
#include "tests/tst_results_support.h"

#include "report/ui/results_layout.h"
#include "report/ui/results_window.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/window_names.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

Q_DECLARE_METATYPE(CaseRecord)

namespace {

struct Line
{
    QString label;
    QString value;
};

Results *loadResults()
{
    return qobject_cast<Results *>(ui::window(windows::Results));
}

QLabel *label3(QWidget *w, int k)
{
    return w->findChild<QLabel *>(layout::resultsLabelName(k));
}

QFont lineFontOf(const QLabel *l, double size)
{
    QFont f = l->font();
    f.setPointSizeF(size);
    return f;
}

QLineEdit *text1(QWidget *w, int k)
{
    return w->findChild<QLineEdit *>(layout::resultsValueName(k));
}

} // namespace

Q_DECLARE_METATYPE(QList<Line>)

class tst_results : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fonts::installSubstitutions(); }
    void cleanup()
    {
        printing::setPrinterChooser(nullptr);
        ui::resetRegistry();
    }

    void layoutNumbers_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QRectF>("window");
        QTest::addColumn<int>("fitting");
        QTest::newRow("800x600") << QSizeF(12000, 9000) << QRectF(900, 675, 10200, 7650) << 13;
        QTest::newRow("1024x768") << QSizeF(15360, 11520) << QRectF(1152, 864, 13056, 9792) << 19;
    }
    void layoutNumbers()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QRectF, window);
        QFETCH(int, fitting);
        QCOMPARE(layout::resultsWindow(screen), window);
        QCOMPARE(layout::resultsSlotsFitting(window.height()), fitting);
        const auto ar = layout::resultsControls(Language::Arabic);
        const auto en = layout::resultsControls(Language::English);
        QCOMPARE(ar.value(QStringLiteral("Label3(0)")), QRectF(4700, 2640, 2800, 375));
        QCOMPARE(ar.value(QStringLiteral("Text1(9)")), QRectF(3000, 2640 + 9 * 375, 1600, 375));
        QCOMPARE(en.value(QStringLiteral("Label3(9)")), QRectF(2700, 2640 + 9 * 375, 3500, 375));
        QCOMPARE(en.value(QStringLiteral("Text1(0)")), QRectF(5900, 2640, 1600, 375));
        QCOMPARE(en.value(QStringLiteral("cmdFinish")), QRectF(120, 3600, 1575, 615));
        QVERIFY(!ar.contains(QStringLiteral("Label3(10)")));
    }

    void loadPlacesEveryControl_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void loadPlacesEveryControl()
    {
        QFETCH(int, language);
        support::freshCase(Language(language));
        Results *w = loadResults();
        QVERIFY(w);
        QCOMPARE(geom::twipsOf(w), QRectF(900, 675, 10200, 7650));
        const auto rects = layout::resultsControls(Language(language));
        // The design's eleven controls and the case details button.
        QCOMPARE(rects.size(), 12 + 2 * layout::ResultsDesignSlots);
        for (auto it = rects.begin(); it != rects.end(); ++it) {
            QWidget *c = w->findChild<QWidget *>(it.key());
            QVERIFY2(c, qPrintable(it.key()));
            QCOMPARE(c->parentWidget(), static_cast<QWidget *>(w));
            const QRect design = geom::toPixels(it.value());
            if (it.key() == QLatin1String("lblResultsName")) {
                // Widened about its centre when its text needs the room.
                QVERIFY(qAbs(c->geometry().center().x() - design.center().x()) <= 1);
                QCOMPARE(c->y(), design.y());
                QVERIFY(c->width() >= design.width());
                QVERIFY(c->geometry().right() < geom::toPixels(8400));
                auto *l = static_cast<QLabel *>(c);
                QVERIFY(QFontMetricsF(l->font()).horizontalAdvance(l->text()) <= c->width());
                continue;
            }
            QVERIFY2(c->geometry() == design, qPrintable(it.key()));
        }
        QCOMPARE(w->layoutDirection(), language == 1 ? Qt::LeftToRight : Qt::RightToLeft);
        QVERIFY(w->findChild<QPushButton *>(QStringLiteral("cmdFinish"))->isVisibleTo(w));
        QLabel *first = label3(w, 0);
        QCOMPARE(first->layoutDirection(), language == 1 ? Qt::LeftToRight : Qt::RightToLeft);
        // Arabic labels hug the right edge whatever the direction.
        QCOMPARE(first->alignment() & Qt::AlignHorizontal_Mask,
                 language == 1 ? Qt::Alignment(Qt::AlignLeft) : (Qt::AlignRight | Qt::AlignAbsolute));
        QCOMPARE(text1(w, 0)->layoutDirection(), language == 1 ? Qt::LeftToRight : Qt::RightToLeft);
        QCOMPARE(text1(w, 0)->alignment() & Qt::AlignHorizontal_Mask,
                 language == 1 ? Qt::Alignment(Qt::AlignLeft) : (Qt::AlignRight | Qt::AlignAbsolute));

        const QString names[] = {QStringLiteral("txtTitle"), QStringLiteral("lblResultsName"),
                                 QStringLiteral("cmdPrint"), QStringLiteral("cmdFinish")};
        for (const QString &name : names) {
            QWidget *c = w->findChild<QWidget *>(name);
            QString shown;
            if (auto *l = qobject_cast<QLabel *>(c))
                shown = l->text();
            else if (auto *e = qobject_cast<QLineEdit *>(c))
                shown = e->text();
            else if (auto *b = qobject_cast<QPushButton *>(c))
                shown = b->text();
            QCOMPARE(shown, captions::text(windows::Results, name, Language(language)));
        }
        QCOMPARE(w->windowTitle(), captions::text(windows::Results, QStringLiteral("window"), Language(language)));
        if (language == 1) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Results of Inheritance Distribution "));
            auto *title = w->findChild<QLineEdit *>(QStringLiteral("txtTitle"));
            QCOMPARE(title->text(), QStringLiteral(" Tarnavel Program "));
            QCOMPARE(title->font().pointSizeF(), 18.0);
            QCOMPARE(title->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->text(), QStringLiteral("  Print "));
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("cmdFinish"))->text(), QStringLiteral(" Exit "));
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblResultsName"))->font().pointSizeF(), 14.0);
        } else {
            QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("txtTitle"))->font().pointSizeF(), 15.75);
        }
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("lblName"))->text().isEmpty());
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("lblDate"))->text().isEmpty());
    }

    void lines_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<CaseRecord>("record");
        QTest::addColumn<QList<Line>>("expected");

        auto screen = [](int row, const char *key, int lang) {
            return support::reportLabel(QStringLiteral("screen_labels"), row, QLatin1String(key), lang);
        };
        for (int lang : {0, 1}) {
            const char *tag = lang == 1 ? "en" : "ar";
            auto name = [&](const char *what) { return QByteArray(tag) + ": " + what; };
            auto pick = [&](const char *english, int row, const char *key) {
                return lang == 1 ? QString::fromUtf8(english) : screen(row, key, lang);
            };

            CaseRecord overview;
            support::overviewExample(overview);
            QTest::newRow(name("father, mother, wife, son")) << lang << overview
                << QList<Line>{{pick("  Father : ", 1, "one"), "16.67    %"},
                               {pick(" Mother : ", 3, "one"), "16.67    %"},
                               {pick("  Wife : ", 6, "one"), "12.50    %"},
                               {pick("  Son :  ", 7, "one"), "54.17    %"}};

            CaseRecord husbandTreasury;
            husbandTreasury.HusbandAlive = 1;
            husbandTreasury.HusbandShare = 0.25;
            husbandTreasury.TreasuryShare = 0.75;
            QTest::newRow(name("husband and treasury")) << lang << husbandTreasury
                << QList<Line>{{pick(" Husband : ", 5, "one"), "25.00    %"},
                               {pick("   Muslim Trust :  ", 24, "one"), "75.00    %"}};

            CaseRecord treasury;
            treasury.TreasuryShare = 1;
            QTest::newRow(name("treasury only")) << lang << treasury
                << QList<Line>{{pick("   Muslim Trust :  ", 24, "one"), "100.00    %"}};

            CaseRecord threeSons;
            threeSons.SonCount = 3;
            threeSons.SonShare = 2.0 / 9;
            threeSons.MotherShare = 1.0 / 3;
            QTest::newRow(name("three sons share together")) << lang << threeSons
                << QList<Line>{{pick(" Mother : ", 3, "one"), "33.33    %"},
                               {pick("  Sons : ", 7, "several"), "66.67    %"}};

            CaseRecord wives;
            wives.WifeCount = 3;
            wives.WifeShare = 0.25;
            wives.TreasuryShare = 0.75;
            QTest::newRow(name("wives' whole share")) << lang << wives
                << QList<Line>{{pick("  Wifes : ", 6, "several"), "25.00    %"},
                               {pick("   Muslim Trust :  ", 24, "one"), "75.00    %"}};

            CaseRecord bothGrandmothers;
            bothGrandmothers.MaternalGrandMotherAlive = 1;
            bothGrandmothers.ParentalGrandMotherAlive = 1;
            bothGrandmothers.GrandMotherShare = 1.0 / 6;
            QTest::newRow(name("both grandmothers")) << lang << bothGrandmothers
                << QList<Line>{{pick(" GrandMothers : ", 4, "several"), "16.67    %"}};

            CaseRecord fathersMother = bothGrandmothers;
            fathersMother.MaternalGrandMotherAlive = 0;
            QTest::newRow(name("father's mother")) << lang << fathersMother
                << QList<Line>{{pick("  GrandMother (Dad's Mom) :", 4, "fathersMother"), "16.67    %"}};

            CaseRecord mothersMother = bothGrandmothers;
            mothersMother.ParentalGrandMotherAlive = 0;
            QTest::newRow(name("mother's mother")) << lang << mothersMother
                << QList<Line>{{pick("GrandMother (Mom's Mom):", 4, "mothersMother"), "16.67    %"}};

            CaseRecord small;
            small.FatherShare = 0.996;
            small.DaughterCount = 2;
            small.DaughterShare = 0.002;
            QTest::newRow(name("below one percent, packed without gap")) << lang << small
                << QList<Line>{{pick("  Father : ", 1, "one"), "99.60    %"},
                               {pick("  Daughters :  ", 8, "several"), ".40    %"}};
        }
    }
    void lines()
    {
        QFETCH(int, language);
        QFETCH(CaseRecord, record);
        QFETCH(QList<Line>, expected);
        support::freshCase(Language(language));
        record.Language = std::int16_t(language);
        theCase() = record;
        Results *w = loadResults();
        QCOMPARE(w->lineCount(), expected.size());
        const double size = language == 1 ? 11 : 9;
        for (int k = 0; k < layout::ResultsDesignSlots; ++k) {
            QLabel *l = label3(w, k);
            QLineEdit *v = text1(w, k);
            if (k >= expected.size()) {
                QVERIFY(!l->isVisibleTo(w));
                QVERIFY(!v->isVisibleTo(w));
                continue;
            }
            QVERIFY(l->isVisibleTo(w));
            QVERIFY(v->isVisibleTo(w));
            QCOMPARE(l->text(), expected[k].label);
            QCOMPARE(v->text(), expected[k].value);
            QCOMPARE(l->font().pointSizeF(), size);
            QCOMPARE(v->font().pointSizeF(), size);
            if (language == 1) {
                QCOMPARE(l->font().family(), QStringLiteral("Times New Roman"));
                QCOMPARE(v->font().family(), QStringLiteral("Times New Roman"));
            }
        }
        // Composed once: a later change of the record does not show.
        theCase().TreasuryShare = 0.5;
        QCOMPARE(loadResults(), w);
        QCOMPARE(w->lineCount(), expected.size());
    }

    void everyLineShown_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrolls");
        for (int lang : {0, 1}) {
            const char *tag = lang == 1 ? "en" : "ar";
            QTest::newRow(QByteArray(tag) + ": 13 lines below the ten") << lang << 13 << false;
            QTest::newRow(QByteArray(tag) + ": 24 lines scroll") << lang << 24 << true;
        }
    }
    void everyLineShown()
    {
        QFETCH(int, language);
        QFETCH(int, rows);
        QFETCH(bool, scrolls);
        support::freshCase(Language(language));
        CaseRecord &c = theCase();
        // Every heir row with a share, one head each; the first `rows` of
        // the 24 rows get a share.
        c.MaternalGrandMotherAlive = 1;
        for (std::int16_t *count : {&c.WifeCount, &c.SonCount, &c.DaughterCount, &c.SonsSonCount,
                                    &c.SonsDaughterCount, &c.SonsSonsSonCount, &c.SonsSonsDaughterCount,
                                    &c.FullBrotherCount, &c.FullSisterCount, &c.ParentalBrotherCount,
                                    &c.ParentalSisterCount, &c.MaternalSiblingCount, &c.BrothersSonCount,
                                    &c.ParentalBrothersSonCount, &c.FullUncleCount, &c.ParentalUncleCount,
                                    &c.FullUnclesSonCount, &c.ParentalUnclesSonCount})
            *count = 1;
        double *shares[] = {&c.FatherShare, &c.GrandFatherShare, &c.MotherShare, &c.GrandMotherShare,
                            &c.HusbandShare, &c.WifeShare, &c.SonShare, &c.DaughterShare,
                            &c.SonsSonShare, &c.SonsDaughterShare, &c.SonsSonsSonShare,
                            &c.SonsSonsDaughterShare, &c.FullBrotherShare, &c.FullSisterShare,
                            &c.ParentalBrotherShare, &c.ParentalSisterShare, &c.MaternalSiblingShare,
                            &c.BrothersSonShare, &c.ParentalBrothersSonShare, &c.FullUncleShare,
                            &c.ParentalUncleShare, &c.FullUnclesSonShare, &c.ParentalUnclesSonShare,
                            &c.TreasuryShare};
        for (int i = 0; i < rows; ++i)
            *shares[i] = (i + 1) / 1000.0;

        Results *w = loadResults();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->lineCount(), rows);
        auto *area = w->findChild<QScrollArea *>(QStringLiteral("lineArea"));
        QCOMPARE(area != nullptr, scrolls);
        for (int k = 0; k < rows; ++k) {
            QLabel *l = label3(w, k);
            QLineEdit *v = text1(w, k);
            QVERIFY2(l && v, qPrintable(QString::number(k)));
            QVERIFY(l->isVisibleTo(w));
            QVERIFY(v->isVisibleTo(w));
            QVERIFY(!l->text().isEmpty());
            QCOMPARE(v->text(), QStringLiteral("%1    %").arg((k + 1) / 10.0, 0, 'f', 2).remove(QRegularExpression("^0")));
            // A label too long for its slot is set smaller, never cut off.
            const double size = language == 1 ? 11.0 : 9.0;
            QVERIFY(l->font().pointSizeF() <= size && l->font().pointSizeF() >= 6);
            QCOMPARE(v->font().pointSizeF(), size);
            const double room = language == 1 ? 3200 / 15.0 : 2800 / 15.0;
            QVERIFY2(QFontMetricsF(l->font()).horizontalAdvance(l->text()) <= room, qPrintable(l->text()));
            if (QFontMetricsF(lineFontOf(l, size)).horizontalAdvance(l->text()) <= room - 2)
                QCOMPARE(l->font().pointSizeF(), size);
            // Each line keeps the design's column and row spacing.
            const QRectF design = layout::resultsLabelSlot(k, Language(language));
            const QPoint at = l->mapTo(w, QPoint(0, 0));
            QCOMPARE(at.x(), geom::toPixels(design.left()));
            if (!scrolls)
                QCOMPARE(at.y(), geom::toPixels(design.top()));
            else
                QCOMPARE(l->y(), geom::toPixels(layout::ResultsLineStep * k));
            QCOMPARE(v->mapTo(w, QPoint(0, 0)).x(), geom::toPixels(layout::resultsValueSlot(k, Language(language)).left()));
            if (!scrolls)
                QVERIFY(w->rect().contains(QRect(at, l->size())));
        }
        if (scrolls) {
            // The band ends inside the window and scrolls to its last line.
            QVERIFY(w->rect().contains(area->geometry()));
            QVERIFY(area->verticalScrollBar()->maximum() > 0);
            area->ensureWidgetVisible(label3(w, rows - 1));
            const QRect last(label3(w, rows - 1)->mapTo(area->viewport(), QPoint(0, 0)), label3(w, rows - 1)->size());
            QVERIFY(area->viewport()->rect().contains(last));
        }
    }

    // The print entry follows the last finished case (the calculation's
    // hook records it), not the window's loading.
    void loadResetsMethodLeavesPrintEntry()
    {
        for (int lang : {0, 1}) {
            support::freshCase(Language(lang));
            theCase().GrandFatherAsFather = 1;
            theCase().GrandFatherShare = 1;
            QVERIFY(!support::printEntry()->isEnabled());
            loadResults();
            QCOMPARE(theCase().GrandFatherAsFather, std::int16_t(0));
            QVERIFY(!support::printEntry()->isEnabled());
        }
    }

    void finishOpensAfterResultsNotModal()
    {
        support::freshCase(Language::English);
        support::overviewExample(theCase());
        QPointer<Results> w = loadResults();
        w->show();
        caseaccess::recordFinishedCase();
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdFinish")), Qt::LeftButton);
        QCOMPARE(support::seen().afterResultsOpened, 1);
        QWidget *after = ui::loadedWindow(windows::AfterResults);
        QVERIFY(after && after->isVisible());
        QVERIFY(!support::seen().afterResultsModal);
        QVERIFY(support::printEntry()->isEnabled());
        QTRY_VERIFY(w.isNull());
        QVERIFY(!ui::isLoaded(windows::Results));
    }

    void printCancelIsSilent()
    {
        support::freshCase(Language::Arabic);
        support::overviewExample(theCase());
        printing::setPrinterChooser(std::make_unique<support::CancellingChooser>());
        Results *w = loadResults();
        w->show();
        bool modalSeen = false;
        onNextModal([&](QWidget *m) { modalSeen = true; m->hide(); }, 300);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QTest::qWait(400);
        QCOMPARE(support::seen().choices, 1);
        QVERIFY(!modalSeen);
        QCOMPARE(support::seen().afterResultsOpened, 0);
        QCOMPARE(ui::loadedWindow(windows::Results), static_cast<QWidget *>(w));
        QVERIFY(w->isVisible());
        QCOMPARE(w->lineCount(), 4);
    }

    void printFailureIsReported_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void printFailureIsReported()
    {
        QFETCH(int, language);
        support::freshCase(Language(language));
        support::overviewExample(theCase());
        printing::setPrinterChooser(std::make_unique<support::BrokenChooser>());
        Results *w = loadResults();
        w->show();
        QString title, text;
        acceptNextMessageBox(&title, &text);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(support::seen().choices, 1);
        QCOMPARE(title, captions::text(windows::Results, QStringLiteral("printFailed.title"), Language(language)));
        QCOMPARE(text, captions::text(windows::Results, QStringLiteral("printFailed.text"), Language(language)));
        QVERIFY(!text.isEmpty());
        QVERIFY(text != captions::text(windows::Results, QStringLiteral("printFailed.text"), Language(1 - language)));
        QCOMPARE(support::seen().afterResultsOpened, 0);
        QVERIFY(ui::isLoaded(windows::Results));
    }

    void printThenAfterResultsModal()
    {
        support::freshCase(Language::English, QStringLiteral("Ahmad"));
        support::overviewExample(theCase());
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        printing::setPrinterChooser(std::make_unique<support::CountingPdfChooser>(pdf));
        QPointer<Results> w = loadResults();
        w->show();
        QString modalName;
        onNextModal([&](QWidget *m) { modalName = m->objectName(); m->hide(); });
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(modalName, windows::AfterResults);
        QVERIFY(support::seen().afterResultsModal);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QTRY_VERIFY(w.isNull());
    }

    void mainWindowPrint_data()
    {
        QTest::addColumn<int>("outcome"); // 0 cancel, 1 failure, 2 printed
        QTest::newRow("cancel") << 0;
        QTest::newRow("failure") << 1;
        QTest::newRow("printed") << 2;
    }
    void mainWindowPrint()
    {
        QFETCH(int, outcome);
        support::freshCase(Language::Arabic);
        support::overviewExample(theCase());
        caseaccess::recordFinishedCase();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("m.pdf"));
        if (outcome == 0)
            printing::setPrinterChooser(std::make_unique<support::CancellingChooser>());
        else if (outcome == 1)
            printing::setPrinterChooser(std::make_unique<support::BrokenChooser>());
        else
            printing::setPrinterChooser(std::make_unique<support::CountingPdfChooser>(pdf));
        QVERIFY(!ui::isLoaded(windows::Results));
        bool modalSeen = false;
        QString text;
        onNextModal([&](QWidget *m) {
            modalSeen = true;
            if (auto *box = qobject_cast<QMessageBox *>(m))
                text = box->text();
            m->hide();
        }, 1000);
        printing::printFromMainWindow(ui::window(windows::Main));
        QTest::qWait(outcome == 1 ? 0 : 1100);
        QCOMPARE(support::seen().choices, 1);
        // Referring to the print dialog loads the results window, unseen,
        // for the print only: the next calculation loads it afresh.
        QVERIFY(support::seen().resultsLoadedWhileChoosing);
        QVERIFY(support::printEntry()->isEnabled());
        QVERIFY(!ui::isLoaded(windows::Results));
        QCOMPARE(modalSeen, outcome == 1);
        if (outcome == 1)
            QCOMPARE(text, captions::text(windows::Results, QStringLiteral("printFailed.text"), Language::Arabic));
        QCOMPARE(QFileInfo::exists(pdf), outcome == 2);
        QCOMPARE(support::seen().afterResultsOpened, 0);
    }

    // Pictures of the window for a look at it: TARNAVEL_SHOTS=<directory>.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("TARNAVEL_SHOTS");
        if (dir.isEmpty())
            QSKIP("set TARNAVEL_SHOTS to a directory to save pictures of the window");
        for (int lang : {0, 1}) {
            for (int lines : {4, 13, 24}) {
                support::freshCase(Language(lang));
                language::applyToApplication(Language(lang));
                CaseRecord &c = theCase();
                support::overviewExample(c);
                if (lines > 4) {
                    c.MaternalGrandMotherAlive = c.ParentalGrandMotherAlive = 1;
                    c.MaternalSiblingCount = c.FullUnclesSonCount = c.ParentalUnclesSonCount = 2;
                    c.DaughterCount = c.SonsSonCount = c.SonsDaughterCount = c.FullSisterCount = 3;
                    for (double *s : {&c.GrandFatherShare, &c.GrandMotherShare, &c.DaughterShare, &c.SonsSonShare,
                                      &c.SonsDaughterShare, &c.FullSisterShare, &c.MaternalSiblingShare,
                                      &c.FullUnclesSonShare, &c.TreasuryShare})
                        *s = 0.004;
                }
                if (lines > 13) {
                    c.HusbandShare = c.ParentalUnclesSonShare = 0.1;
                    c.WifeCount = 2;
                    c.SonCount = 3;
                    c.SonsSonsSonCount = c.SonsSonsDaughterCount = c.FullBrotherCount = c.ParentalBrotherCount = 1;
                    c.ParentalSisterCount = c.BrothersSonCount = c.ParentalBrothersSonCount = c.FullUncleCount = c.ParentalUncleCount = 2;
                    for (double *s : {&c.SonsSonsSonShare, &c.SonsSonsDaughterShare, &c.FullBrotherShare,
                                      &c.ParentalBrotherShare, &c.ParentalSisterShare, &c.BrothersSonShare,
                                      &c.ParentalBrothersSonShare, &c.FullUncleShare, &c.ParentalUncleShare})
                        *s = 0.01;
                }
                Results *w = loadResults();
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                QCOMPARE(w->lineCount(), lines);
                QTest::qWait(50);
                QVERIFY(w->grab().save(QStringLiteral("%1/results-%2-%3.png")
                                           .arg(dir, lang == 1 ? QStringLiteral("en") : QStringLiteral("ar"))
                                           .arg(lines)));
            }
        }
        language::applyToApplication(Language::Arabic);
    }

    // Printing from the menu while the results are on screen leaves them.
    void mainWindowPrintKeepsShownResults()
    {
        support::freshCase(Language::English);
        support::overviewExample(theCase());
        printing::setPrinterChooser(std::make_unique<support::CancellingChooser>());
        Results *w = loadResults();
        w->show();
        caseaccess::recordFinishedCase();
        printing::printFromMainWindow(ui::window(windows::Main));
        QCOMPARE(support::seen().choices, 1);
        QCOMPARE(ui::loadedWindow(windows::Results), static_cast<QWidget *>(w));
        QVERIFY(w->isVisible());
    }

    void titleBarCloseStopsTheCase()
    {
        support::freshCase(Language::Arabic);
        support::overviewExample(theCase());
        QPointer<Results> w = loadResults();
        w->show();
        QVERIFY(ui::isLoaded(windows::DeceasedEntry));
        // As the window system delivers a click on the title bar's close.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(w, &close);
        QVERIFY(!ui::isLoaded(windows::Results));
        QVERIFY(!ui::isLoaded(windows::DeceasedEntry));
        QCOMPARE(support::seen().afterResultsOpened, 0);
        QCOMPARE(theCase().FatherShare, 1.0 / 6);
    }
};

QTEST_MAIN(tst_results)
#include "tst_results.moc"
