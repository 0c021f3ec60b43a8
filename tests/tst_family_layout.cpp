// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the family questionnaire and the method window: the twips
// layouts for both design screens, and the windows as placed on this one.

#include "tests/tst_family_support.h"

#include "questionnaires/family/fathers_layout.h"
#include "questionnaires/family/jadd_layout.h"
#include "ui/geometry.h"
#include "ui/window_names.h"

#include <QGuiApplication>
#include <QScreen>

using namespace quest;

namespace {
bool near(double a, double b, double tolerance = 1e-6) { return qAbs(a - b) <= tolerance; }
}

class tst_family_layout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ui::resetRegistry(); }

    void fathers_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::newRow("800x600") << QSizeF(12000, 9000);
        QTest::newRow("1024x768") << QSizeF(15360, 11520);
    }

    void fathers()
    {
        QFETCH(QSizeF, screen);
        const layout::Rects r = layout::fathersWindow(screen);
        const QRectF win = r.value("window");
        const double W = win.width(), H = win.height();
        QVERIFY(near(W, 0.92 * screen.width()));
        QVERIFY(near(H, 0.82 * screen.height()));
        QVERIFY(near(win.left(), (screen.width() - W) / 2));
        QVERIFY(near(win.top(), (screen.height() - H) / 2));

        const double w = 0.45 * W, h = H / 9;
        const QRectF f1 = r.value("Frame1"), f2 = r.value("Frame2");
        // Three equal gaps of W / 30: left margin, middle, right margin.
        const double gap = W / 30;
        QVERIFY(near(f2.left(), gap));
        QVERIFY(near(f1.left() - f2.right(), gap));
        QVERIFY(near(W - f1.right(), gap));
        const char *right[] = {"Frame1", "Frame3", "Frame5", "Frame7", "Frame8", "Frame10", "Frame12"};
        const char *left[] = {"Frame2", "Frame4", "Frame6", "Frame15", "Frame9", "Frame11", "Frame13"};
        for (int k = 0; k < 7; ++k) {
            const QRectF a = r.value(right[k]), b = r.value(left[k]);
            QVERIFY2(near(a.top(), 1.1 * k * h) && near(b.top(), 1.1 * k * h), right[k]);
            QVERIFY2(near(a.left(), f1.left()) && near(b.left(), f2.left()), right[k]);
            QVERIFY2(near(a.width(), w) && near(b.width(), w), right[k]);
            QVERIFY2(near(a.height(), h) && near(b.height(), h), right[k]);
        }
        QCOMPARE(r.value("Frame14"), r.value("Frame7"));
        QVERIFY(near(r.value("Frame13").bottom(), 7.6 * h));

        const QRectF finish = r.value("cmdfinish");
        QVERIFY(near(finish.top(), H - 2.3 * finish.height()));
        QVERIFY(near(finish.left() + finish.width() / 2, W / 2));
        QVERIFY(finish.top() > r.value("Frame13").bottom());
        QVERIFY(finish.bottom() < H);
        // Option1 lies beyond Frame1's right edge, in Frame1's coordinates.
        QVERIFY(r.value("Option1").left() >= w);
    }

    void fathersFrameContentsFit()
    {
        // Inside the narrowest frame (800 x 600) nothing crosses the edge
        // or overlaps its neighbour.
        const double w = 0.45 * 0.92 * 12000, h = 0.82 * 9000 / 9;
        for (int lang : {0, 1}) {
            const layout::Rects r = layout::fathersFrameContents(Language(lang), w);
            for (auto it = r.begin(); it != r.end(); ++it) {
                QVERIFY2(it->left() >= 0 && it->right() <= w, qPrintable(it.key()));
                QVERIFY2(it->bottom() <= h, qPrintable(it.key()));
            }
            QVERIFY(!r.value("Label1").intersects(r.value("optFatherYes")));
            QVERIFY(!r.value("optFatherYes").intersects(r.value("optFatherNo")));
            QVERIFY(!r.value("Label12").intersects(r.value("cmbSonsSonsSons")));
            QVERIFY(!r.value("optWithKids").intersects(r.value("optWithoutKids")));
        }
    }

    void jadd_data() { fathers_data(); }

    void jadd()
    {
        QFETCH(QSizeF, screen);
        for (int lang : {0, 1}) {
            const layout::Rects r = layout::jaddWindow(screen, Language(lang));
            const double W = r.value("window").width(), H = r.value("window").height();
            const struct { const char *name; double top; } tops[] = {
                {"Label1", 0.05}, {"Label2", 0.15}, {"Label3", 0.25}, {"optLikeFather", 0.35},
                {"Line1(0)", 0.45}, {"Line1(1)", 0.45}, {"Label4", 0.5}, {"Label5", 0.6},
                {"optUnlikeFather", 0.7}, {"cmdJadd", 0.8}};
            for (const auto &t : tops)
                QVERIFY2(near(r.value(t.name).top(), t.top * H), t.name);
            QVERIFY(near(r.value("Line1(0)").width(), W));
            QVERIFY(near(r.value("cmdJadd").center().x(), W / 2));
            QVERIFY(near(r.value("optLikeFather").left(), (W - layout::JaddOptionWidth) / 2));
            if (lang == 0) {
                QVERIFY(near(r.value("Label3").center().x(), W / 2));
            } else {
                QVERIFY(near(r.value("Label3").left(), 0.05 * W));
                QVERIFY(near(r.value("Label3").width(), 0.9 * W));
                // 800 high, or the tenth of the window up to the option below.
                QCOMPARE(r.value("Label3").height(), std::min(800.0, 0.1 * H));
                QCOMPARE(r.value("optUnlikeFather").width(), 4200.0);
            }
            for (auto it = r.begin(); it != r.end(); ++it)
                if (it.key() != QLatin1String("window"))
                    QVERIFY2(it->right() <= W + 1e-6 && it->bottom() <= H, qPrintable(it.key()));
        }
    }

    // The loaded windows on this test's screen, in pixels.
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
        QWidget *w = ui::window(windows::Family);
        QVERIFY(qAbs(w->width() - 0.92 * screen.width()) <= 1);
        QVERIFY(qAbs(w->height() - 0.82 * screen.height()) <= 1);
        QVERIFY(qAbs(w->x() - (screen.width() - w->width()) / 2) <= 1);
        QVERIFY(qAbs(w->y() - (screen.height() - w->height()) / 2) <= 1);
        auto *f1 = child<QGroupBox>(windows::Family, "Frame1");
        auto *f2 = child<QGroupBox>(windows::Family, "Frame2");
        const int leftGap = f2->x(), middle = f1->x() - (f2->x() + f2->width()),
                  rightGap = w->width() - (f1->x() + f1->width());
        QVERIFY2(qAbs(leftGap - middle) <= 1 && qAbs(middle - rightGap) <= 1,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(leftGap).arg(middle).arg(rightGap)));
        auto *finish = child<QPushButton>(windows::Family, "cmdfinish");
        auto *last = child<QGroupBox>(windows::Family, "Frame13");
        QVERIFY(finish->y() > last->y() + last->height());
        QVERIFY(finish->y() + finish->height() <= w->height());
        QVERIFY(qAbs(finish->x() + finish->width() / 2 - w->width() / 2) <= 1);

        QWidget *j = ui::window(windows::Method);
        QVERIFY(qAbs(j->width() - 0.92 * screen.width()) <= 1);
        auto *ok = child<QPushButton>(windows::Method, "cmdJadd");
        QVERIFY(ok->y() + ok->height() <= j->height());
    }
};

QTEST_MAIN(tst_family_layout)
#include "tst_family_layout.moc"
