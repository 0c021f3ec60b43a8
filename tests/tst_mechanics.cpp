// SPDX-License-Identifier: GPL-3.0-or-later
// Window lifetime, geometry helpers and the caption loader shared by every window.
#include "case/case_record.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
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
        ui::registerWindow(QStringLiteral("frmFathers"), [this] {
            ++created;
            return new CaseDialog(QStringLiteral("frmFathers"));
        });
        ui::registerWindow(QStringLiteral("Inheretence"), [this] {
            ++created;
            return new CaseDialog(QStringLiteral("Inheretence"));
        });
    }
    void cleanup() { ui::resetRegistry(); }

    void createdOnFirstReference()
    {
        QVERIFY(!ui::isLoaded(QStringLiteral("frmFathers")));
        QWidget *a = ui::window(QStringLiteral("frmFathers"));
        QWidget *b = ui::window(QStringLiteral("frmFathers"));
        QVERIFY(a);
        QCOMPARE(a, b);
        QCOMPARE(created, 1);
        QCOMPARE(a->objectName(), QStringLiteral("frmFathers"));
        QVERIFY(!ui::window(QStringLiteral("noSuchWindow")));
    }

    void hidingCreatesFirstAndNeverFails()
    {
        ui::hideWindow(QStringLiteral("frmFathers"));
        QVERIFY(ui::isLoaded(QStringLiteral("frmFathers")));
        QVERIFY(!ui::window(QStringLiteral("frmFathers"))->isVisible());
    }

    void discardThenFreshWindow()
    {
        QPointer<QWidget> first = ui::window(QStringLiteral("frmFathers"));
        ui::discard(QStringLiteral("frmFathers"));
        QVERIFY(!ui::isLoaded(QStringLiteral("frmFathers")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QWidget *second = ui::window(QStringLiteral("frmFathers"));
        QVERIFY(second);
        QCOMPARE(created, 2);
        // Discarding a window that is not loaded does nothing.
        ui::discard(QStringLiteral("frmJadd"));
    }

    void modalShowReturnsWhenHidden()
    {
        QTimer::singleShot(50, [] { ui::window(QStringLiteral("frmFathers"))->hide(); });
        ui::showModal(QStringLiteral("frmFathers"));
        QVERIFY(!ui::window(QStringLiteral("frmFathers"))->isVisible());
        QVERIFY(ui::isLoaded(QStringLiteral("frmFathers")));
    }

    void escapeStopsTheCase()
    {
        ui::window(QStringLiteral("Inheretence"));
        QTimer::singleShot(50, [] {
            QTest::keyClick(ui::window(QStringLiteral("frmFathers")), Qt::Key_Escape);
        });
        ui::showModal(QStringLiteral("frmFathers"));
        QVERIFY(!ui::isLoaded(QStringLiteral("frmFathers")));
        QVERIFY(!ui::isLoaded(QStringLiteral("Inheretence")));
    }

    void closeFromCodeUnloadsOnlyThatWindow()
    {
        ui::window(QStringLiteral("Inheretence"));
        ui::window(QStringLiteral("frmFathers"))->close();
        QVERIFY(!ui::isLoaded(QStringLiteral("frmFathers")));
        QVERIFY(ui::isLoaded(QStringLiteral("Inheretence")));
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
        captions::apply(&w, QStringLiteral("noSuchWindow"), 1);
        QCOMPARE(label->text(), QStringLiteral("design"));
        QVERIFY(captions::text(QStringLiteral("noSuchWindow"), QStringLiteral("Label1"), 1).isNull());
    }

private:
    int created = 0;
};

QTEST_MAIN(tst_mechanics)
#include "tst_mechanics.moc"
