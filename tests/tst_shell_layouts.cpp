// SPDX-License-Identifier: GPL-3.0-or-later
// Layouts of the shell windows for fixed screens, computed without a display.
#include "shell/frm_inherence.h"
#include "shell/shell_layouts.h"

#include <QtTest>

Q_DECLARE_METATYPE(QRectF)

namespace {

const QSizeF Screen800(12000, 9000);
const QSizeF Screen1024(15360, 11520);

using LayoutFn = layout::Rects (*)(QSizeF);

void addRow(const char *name, LayoutFn fn, QSizeF screen, const char *control, QRectF expected)
{
    QTest::newRow(name) << quintptr(fn) << screen << QString::fromLatin1(control) << expected;
}

} // namespace

class tst_shell_layouts : public QObject
{
    Q_OBJECT
private slots:
    void rectangles_data();
    void rectangles();
    void everyControlInsideItsWindow_data();
    void everyControlInsideItsWindow();
    void barsMeetAtTheirCorners_data();
    void barsMeetAtTheirCorners();
    void smallScreen_data();
    void smallScreen();
};

void tst_shell_layouts::rectangles_data()
{
    QTest::addColumn<quintptr>("fn");
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRectF>("expected");

    const LayoutFn main = layout::mainWindow;
    // 800 x 600: the window is the design client area, raised by 1000 but
    // kept on the screen.
    addRow("main 800 window", main, Screen800, "window", QRectF(60, 0, 11880, 8310));
    addRow("main 800 ENGLISH", main, Screen800, "Command3", QRectF(2400, 960, 2775, 615));
    addRow("main 800 Arabic", main, Screen800, "Command4", QRectF(7200, 960, 2775, 615));
    addRow("main 800 start", main, Screen800, "Command1", QRectF(6000, 6517.5, 3615, 615));
    addRow("main 800 close", main, Screen800, "Command2", QRectF(2400, 6517.5, 2175, 615));
    addRow("main 800 red vertical", main, Screen800, "Shape1", QRectF(11362.5, 1320, 135, 6495));
    addRow("main 800 red horizontal", main, Screen800, "Shape2", QRectF(187.5, 7680, 11175, 135));
    addRow("main 800 green vertical", main, Screen800, "Shape3", QRectF(10668.75, 240, 135, 7335));
    addRow("main 800 green horizontal", main, Screen800, "Shape4", QRectF(453.75, 7440, 10215, 135));
    // Narrower than designed (9600) so as to end a pixel before the green bar.
    addRow("main 800 title", main, Screen800, "Label1", QRectF(1346.25, 1620, 9307.5, 1080));
    addRow("main 800 credit", main, Screen800, "Label2", QRectF(1800, 3600, 8400, 555));
    addRow("main 800 basmala", main, Screen800, "Label3", QRectF(2400, 180, 7200, 1080));
    // 1024 x 768: the window grows with the screen.
    addRow("main 1024 window", main, Screen1024, "window", QRectF(76.8, 0, 15206.4, 10636.8));
    addRow("main 1024 ENGLISH", main, Screen1024, "Command3", QRectF(3072, 960, 2775, 615));
    addRow("main 1024 Arabic", main, Screen1024, "Command4", QRectF(9216, 960, 2775, 615));
    addRow("main 1024 start", main, Screen1024, "Command1", QRectF(7680, 6517.5, 3615, 615));
    addRow("main 1024 red vertical", main, Screen1024, "Shape1", QRectF(13378.5, 1320, 135, 6495));
    addRow("main 1024 green horizontal", main, Screen1024, "Shape4", QRectF(2469.75, 7440, 10215, 135));
    addRow("main 1024 title", main, Screen1024, "Label1", QRectF(2880, 2073.6, 9600, 1080));
    addRow("main 1024 credit", main, Screen1024, "Label2", QRectF(3480, 4608, 8400, 555));
    // Two fifths of a 1080-pixel screen fall onto the start button: the
    // credit stands half a button's height above it.
    addRow("main 1920 credit", main, QSizeF(28800, 16200), "Label2", QRectF(10200, 5655, 8400, 555));

    const LayoutFn entry = layout::deceasedEntry;
    addRow("entry 800 window", entry, Screen800, "window", QRectF(1500, 1350, 9000, 6300));
    addRow("entry 800 heading", entry, Screen800, "Label1", QRectF(690, 120, 7620, 495));
    addRow("entry 800 name", entry, Screen800, "txtNameofDead", QRectF(1912.5, 1500, 5175, 540));
    addRow("entry 800 frame", entry, Screen800, "frameInherence", QRectF(1912.5, 2220, 5175, 1215));
    addRow("entry 800 cancel", entry, Screen800, "Command1", QRectF(1437, 3900, 1815, 615));
    addRow("entry 800 ok", entry, Screen800, "cmdok1", QRectF(4311, 3900, 1815, 615));
    addRow("entry 800 Shape1", entry, Screen800, "Shape1", QRectF(8448, 240, 135, 4560));
    addRow("entry 800 Shape2", entry, Screen800, "Shape2", QRectF(8586, 120, 135, 4920));
    addRow("entry 800 Shape3", entry, Screen800, "Shape3", QRectF(1746, 4665, 6975, 135));
    addRow("entry 800 Shape4", entry, Screen800, "Shape4", QRectF(1266, 4905, 7455, 135));
    addRow("entry 1024 window", entry, Screen1024, "window", QRectF(1920, 1728, 11520, 8064));
    addRow("entry 1024 heading", entry, Screen1024, "Label1", QRectF(1950, 120, 7620, 495));
    addRow("entry 1024 cancel", entry, Screen1024, "Command1", QRectF(1941, 3900, 1815, 615));
    addRow("entry 1024 ok", entry, Screen1024, "cmdok1", QRectF(5823, 3900, 1815, 615));
    addRow("entry 1024 Shape1", entry, Screen1024, "Shape1", QRectF(9960, 240, 135, 4560));
    addRow("entry 1024 Shape2", entry, Screen1024, "Shape2", QRectF(10350, 120, 135, 4920));
    addRow("entry 1024 Shape4", entry, Screen1024, "Shape4", QRectF(3030, 4905, 7455, 135));

    const LayoutFn after = layout::afterResults;
    addRow("after 800 window", after, Screen800, "window", QRectF(2400, 1050, 7200, 5400));
    addRow("after 800 another", after, Screen800, "Command1", QRectF(1192.5, 1800, 4815, 855));
    addRow("after 800 exit", after, Screen800, "Command2", QRectF(830, 3600, 2415, 855));
    addRow("after 800 cancel", after, Screen800, "Command3", QRectF(4075, 3600, 2295, 855));
    addRow("after 1024 window", after, Screen1024, "window", QRectF(3072, 1554, 9216, 6912));
    addRow("after 1024 another", after, Screen1024, "Command1", QRectF(2200.5, 2304, 4815, 855));
    addRow("after 1024 exit", after, Screen1024, "Command2", QRectF(1502, 4608, 2415, 855));
    addRow("after 1024 cancel", after, Screen1024, "Command3", QRectF(5419, 4608, 2295, 855));

    const LayoutFn about = layout::aboutBox;
    addRow("about 800 window", about, Screen800, "window", QRectF(3135, 1927.5, 5730, 3645));
    addRow("about 1024 window", about, Screen1024, "window", QRectF(4815, 3187.5, 5730, 3645));
    addRow("about 800 title", about, Screen800, "lblTitle", QRectF(1050, 240, 3885, 480));
    addRow("about 800 version", about, Screen800, "lblVersion", QRectF(1050, 780, 3885, 225));
}

void tst_shell_layouts::rectangles()
{
    QFETCH(quintptr, fn);
    QFETCH(QSizeF, screen);
    QFETCH(QString, control);
    QFETCH(QRectF, expected);
    const layout::Rects rects = reinterpret_cast<LayoutFn>(fn)(screen);
    QVERIFY2(rects.contains(control), qPrintable(control));
    const QRectF got = rects.value(control);
    QCOMPARE(got.left(), expected.left());
    QCOMPARE(got.top(), expected.top());
    QCOMPARE(got.width(), expected.width());
    QCOMPARE(got.height(), expected.height());
}

void tst_shell_layouts::everyControlInsideItsWindow_data()
{
    QTest::addColumn<quintptr>("fn");
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<double>("reserved"); // room the menu bar takes at the top
    const QList<std::pair<const char *, QSizeF>> screens = {{"800", Screen800}, {"1024", Screen1024}};
    for (const auto &[size, screen] : screens) {
        QTest::addRow("main %s", size) << quintptr(LayoutFn(layout::mainWindow)) << screen << 375.0;
        QTest::addRow("entry %s", size) << quintptr(LayoutFn(layout::deceasedEntry)) << screen << 0.0;
        QTest::addRow("after %s", size) << quintptr(LayoutFn(layout::afterResults)) << screen << 0.0;
        QTest::addRow("about %s", size) << quintptr(LayoutFn(layout::aboutBox)) << screen << 0.0;
    }
}

void tst_shell_layouts::everyControlInsideItsWindow()
{
    QFETCH(quintptr, fn);
    QFETCH(QSizeF, screen);
    QFETCH(double, reserved);
    const layout::Rects rects = reinterpret_cast<LayoutFn>(fn)(screen);
    const QRectF window = rects.value(QStringLiteral("window"));
    QVERIFY(QRectF(QPointF(0, 0), screen).contains(window.topLeft()));
    QVERIFY(window.right() <= screen.width());
    const QRectF client(0, 0, window.width(), window.height() - reserved);
    // The controls inside the deceased entry's frame are placed in the frame.
    const QRectF frame = rects.value(QStringLiteral("frameInherence"));
    const QStringList inFrame = {QStringLiteral("OptMan"), QStringLiteral("lblMan"),
                                 QStringLiteral("OptWoman"), QStringLiteral("lblWoman")};
    for (auto it = rects.begin(); it != rects.end(); ++it) {
        if (it.key() == QLatin1String("window"))
            continue;
        const QRectF container = inFrame.contains(it.key()) ? QRectF(QPointF(0, 0), frame.size()) : client;
        QVERIFY2(container.contains(*it), qPrintable(it.key()));
    }
}

void tst_shell_layouts::barsMeetAtTheirCorners_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::newRow("800") << Screen800;
    QTest::newRow("1024") << Screen1024;
}

void tst_shell_layouts::barsMeetAtTheirCorners()
{
    QFETCH(QSizeF, screen);
    const layout::Rects main = layout::mainWindow(screen);
    // The horizontal bars end where the vertical ones stand, on their foot.
    QCOMPARE(main["Shape2"].right(), main["Shape1"].left());
    QCOMPARE(main["Shape4"].right(), main["Shape3"].left());
    QCOMPARE(main["Shape2"].bottom(), main["Shape1"].bottom());
    QCOMPARE(main["Shape4"].bottom(), main["Shape3"].bottom());
    // The start and close buttons stand one and a half heights above the green bar.
    QCOMPARE(main["Command1"].top() + 1.5 * main["Command1"].height(), main["Shape4"].top());

    const layout::Rects entry = layout::deceasedEntry(screen);
    QCOMPARE(entry["Shape3"].right(), entry["Shape2"].right());
    QCOMPARE(entry["Shape4"].right(), entry["Shape2"].right());

    const layout::Rects after = layout::afterResults(screen);
    const double gap1 = after["Command2"].left();
    const double gap2 = after["Command3"].left() - after["Command2"].right();
    const double gap3 = after["window"].width() - after["Command3"].right();
    QCOMPARE(gap2, gap1);
    QCOMPARE(gap3, gap1);
}

void tst_shell_layouts::smallScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("notice");
    QTest::newRow("640x480") << 640 << 480 << true;
    QTest::newRow("799x599") << 799 << 599 << true;
    QTest::newRow("800x600") << 800 << 600 << false;
    QTest::newRow("800x480 only narrow in height") << 800 << 480 << false;
    QTest::newRow("640x600 only narrow in width") << 640 << 600 << false;
    QTest::newRow("1024x768") << 1024 << 768 << false;
}

void tst_shell_layouts::smallScreen()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, notice);
    QCOMPARE(frmInherence::screenTooSmall(width, height), notice);
}

QTEST_APPLESS_MAIN(tst_shell_layouts)
#include "tst_shell_layouts.moc"
