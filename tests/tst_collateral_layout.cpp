// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the collateral questionnaire for both design screens, and the
// window as placed on this test's screen.

#include "tests/tst_family_support.h"

#include "questionnaires/collateral/brothers_layout.h"
#include "ui/geometry.h"
#include "ui/window_names.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace quest;

namespace {
bool near(double a, double b) { return qAbs(a - b) <= 1e-6; }
}

class tst_collateral_layout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ui::resetRegistry(); }

    void grid_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::newRow("800x600") << QSizeF(12000, 9000);
        QTest::newRow("1024x768") << QSizeF(15360, 11520);
    }

    void grid()
    {
        QFETCH(QSizeF, screen);
        const layout::Rects r = layout::brothersWindow(screen);
        const QRectF win = r.value("window");
        const double W = win.width(), H = win.height();
        QVERIFY(near(W, 0.92 * screen.width()));
        QVERIFY(near(H, 0.82 * screen.height()));
        QVERIFY(near(win.left(), (screen.width() - W) / 2));
        QVERIFY(near(win.top(), (screen.height() - H) / 2));
        const double h = H / 9;
        const QRectF q1 = r.value("Frame1"), q2 = r.value("Frame2");
        QVERIFY(near(q2.left(), q1.left() - q2.right()));
        QVERIFY(near(q2.left(), W - q1.right()));
        for (int q = 1; q <= 12; ++q) {
            const QRectF f = r.value(QStringLiteral("Frame%1").arg(q));
            const int row = (q - 1) / 2;
            QVERIFY(near(f.top(), row * 1.2 * h));
            QVERIFY(near(f.height(), h));
            QVERIFY(near(f.left(), q % 2 ? q1.left() : q2.left()));
        }
        const QRectF finish = r.value("cmdfinish");
        QVERIFY(near(finish.top(), H - 2.3 * finish.height()));
        QVERIFY(near(finish.center().x(), W / 2));
        QVERIFY(finish.top() > r.value("Frame12").bottom());
        QVERIFY(finish.bottom() < H);
    }

    void frameContentsFit()
    {
        const double h = 0.82 * 9000 / 9, w = 0.45 * 0.92 * 12000;
        for (int lang : {0, 1})
            for (int q = 1; q <= 12; ++q) {
                const QRectF label = layout::brothersLabel(q, Language(lang), w), list = layout::brothersList(q, Language(lang));
                QVERIFY(!label.intersects(list));
                QVERIFY(label.right() <= w && list.right() <= w);
                QVERIFY(label.bottom() <= h && list.bottom() <= h);
            }
    }

    void placedOnScreen_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }

    void placedOnScreen()
    {
        QFETCH(int, language);
        Recorder rec;
        freshCase(rec, false, Language(language));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QWidget *w = ui::window(windows::Collateral);
        QVERIFY(qAbs(w->width() - 0.92 * screen.width()) <= 1);
        QVERIFY(qAbs(w->height() - 0.82 * screen.height()) <= 1);
        auto *f1 = child<QGroupBox>(windows::Collateral, "Frame1");
        auto *f2 = child<QGroupBox>(windows::Collateral, "Frame2");
        const int leftGap = f2->x(), middle = f1->x() - (f2->x() + f2->width()),
                  rightGap = w->width() - (f1->x() + f1->width());
        QVERIFY(qAbs(leftGap - middle) <= 1 && qAbs(middle - rightGap) <= 1);
        auto *f12 = child<QGroupBox>(windows::Collateral, "Frame12");
        auto *finish = child<QPushButton>(windows::Collateral, "cmdfinish");
        QVERIFY(finish->y() > f12->y() + f12->height());
        QVERIFY(finish->y() + finish->height() <= w->height());
        if (language == 1) {
            auto *label = child<QLabel>(windows::Collateral, "Label11");
            QCOMPARE(geom::twipsOf(label), QRectF(45, 300, 2400, 360));   // 50 rounded to pixels
        }
    }
};

QTEST_MAIN(tst_collateral_layout)
#include "tst_collateral_layout.moc"
