// SPDX-License-Identifier: GPL-3.0-or-later
// Window lifetime, geometry helpers and the caption loader shared by every window.
#include "case/case_record.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_mechanics : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui::resetRegistry();
        created = 0;
        ui::registerWindow(windows::Family, [this] {
            ++created;
            return new CaseDialog(windows::Family);
        });
        ui::registerWindow(windows::DeceasedEntry, [this] {
            ++created;
            return new CaseDialog(windows::DeceasedEntry);
        });
    }
    void cleanup() { ui::resetRegistry(); }

    void createdOnFirstReference()
    {
        QVERIFY(!ui::isLoaded(windows::Family));
        QWidget *a = ui::window(windows::Family);
        QWidget *b = ui::window(windows::Family);
        QVERIFY(a);
        QCOMPARE(a, b);
        QCOMPARE(created, 1);
        QCOMPARE(a->objectName(), windows::Family);
        QVERIFY(!ui::window(QStringLiteral("noSuchWindow")));
    }

    void hidingCreatesFirstAndNeverFails()
    {
        ui::hideWindow(windows::Family);
        QVERIFY(ui::isLoaded(windows::Family));
        QVERIFY(!ui::window(windows::Family)->isVisible());
    }

    void discardThenFreshWindow()
    {
        QPointer<QWidget> first = ui::window(windows::Family);
        ui::discard(windows::Family);
        QVERIFY(!ui::isLoaded(windows::Family));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QWidget *second = ui::window(windows::Family);
        QVERIFY(second);
        QCOMPARE(created, 2);
        // Discarding a window that is not loaded does nothing.
        ui::discard(windows::Method);
    }

    void modalShowReturnsWhenHidden()
    {
        QTimer::singleShot(50, [] { ui::window(windows::Family)->hide(); });
        ui::showModal(windows::Family);
        QVERIFY(!ui::window(windows::Family)->isVisible());
        QVERIFY(ui::isLoaded(windows::Family));
    }

    void escapeStopsTheCase()
    {
        ui::window(windows::DeceasedEntry);
        QTimer::singleShot(50, [] {
            QTest::keyClick(ui::window(windows::Family), Qt::Key_Escape);
        });
        ui::showModal(windows::Family);
        QVERIFY(!ui::isLoaded(windows::Family));
        QVERIFY(!ui::isLoaded(windows::DeceasedEntry));
    }

    void closeFromCodeUnloadsOnlyThatWindow()
    {
        ui::window(windows::DeceasedEntry);
        ui::window(windows::Family)->close();
        QVERIFY(!ui::isLoaded(windows::Family));
        QVERIFY(ui::isLoaded(windows::DeceasedEntry));
    }

    void deceasedParticularsWithoutEntryWindow()
    {
        QCOMPARE(caseaccess::deceasedName(), QString());
        QVERIFY(!caseaccess::deceasedIsWoman());
    }

    void beginNewCaseKeepsOnlyLanguage()
    {
        CaseRecord &c = theCase();
        c.Language = 1;
        c.FullBrotherCount = 3;
        c.SonShare = 0.5;
        c.FatherAlive = 1;
        caseaccess::beginNewCase();
        QCOMPARE(c.Language, std::int16_t(1));
        QCOMPARE(c.FullBrotherCount, std::int16_t(0));
        QCOMPARE(c.SonShare, 0.0);
        QCOMPARE(c.FatherAlive, std::int16_t(0));
        c.Language = 0;
    }

    void centredGeometry_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("fw");
        QTest::addColumn<double>("fh");
        QTest::addColumn<double>("upward");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("results 800x600") << QSizeF(12000, 9000) << 0.85 << 0.85 << 0.0
                                         << QRectF(900, 675, 10200, 7650);
        QTest::newRow("whattodo 1024x768") << QSizeF(15360, 11520) << 0.6 << 0.6 << 1500.0
                                           << QRectF(3072, 1554, 9216, 6912);
    }
    void centredGeometry()
    {
        QFETCH(QSizeF, screen);
        QFETCH(double, fw);
        QFETCH(double, fh);
        QFETCH(double, upward);
        QFETCH(QRectF, expected);
        const QRectF r = geom::fractionOfScreen(screen, fw, fh, upward);
        QCOMPARE(r.left(), expected.left());
        QCOMPARE(r.top(), expected.top());
        QCOMPARE(r.width(), expected.width());
        QCOMPARE(r.height(), expected.height());
        QCOMPARE(geom::toPixels(QRectF(900, 675, 10200, 7650)), QRect(60, 45, 680, 510));
    }

    void screenInTwips()
    {
        // The tests run on a configured 800 x 600 screen.
        QCOMPARE(geom::screenTwips(), QSizeF(12000, 9000));
    }

    void designFontsMapToInstalledFaces_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("face");
        QTest::newRow("Simplified Arabic") << "Simplified Arabic" << "Noto Naskh Arabic";
        QTest::newRow("Traditional Arabic") << "Traditional Arabic" << "Amiri";
        QTest::newRow("Andalus") << "Andalus" << "Noto Sans Arabic";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
    }
    void designFontsMapToInstalledFaces()
    {
        QFETCH(QString, design);
        QFETCH(QString, face);
        fonts::installSubstitutions();
        QCOMPARE(QFontInfo(fonts::design(design, 12)).family(), face);
    }

    void captionsMissingTableLeavesControls()
    {
        QWidget w;
        auto *label = new QLabel(QStringLiteral("design"), &w);
        label->setObjectName(QStringLiteral("Label1"));
        captions::apply(&w, QStringLiteral("noSuchWindow"), Language::English);
        QCOMPARE(label->text(), QStringLiteral("design"));
        QVERIFY(captions::text(QStringLiteral("noSuchWindow"), QStringLiteral("Label1"), Language::English).isNull());
    }

private:
    int created = 0;
};

QTEST_MAIN(tst_mechanics)
#include "tst_mechanics.moc"
