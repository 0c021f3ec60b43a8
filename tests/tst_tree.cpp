// SPDX-License-Identifier: GPL-3.0-or-later
// The family as a tree: places, marks and texts of the nodes (no pixels),
// and one picture per language against a kept reference.
#include "details/tree_model.h"
#include "details/tree_paint.h"
#include "details/file_chooser.h"
#include "details/share_chart.h"
#include "details/tree_view.h"
#include "tests/tree_families.h"

#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QImage>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdlib>

using namespace details::tree;

Q_DECLARE_METATYPE(engine::Family)

namespace {

int nodeOfPath(const TreeModel &m, const QString &path)
{
    for (int k = 0; k < m.nodes().size(); ++k)
        if (m.nodes()[k].path == path || (path == QLatin1String("deceased") && m.nodes()[k].mark == Mark::Deceased)
            || (path == QLatin1String("treasury") && m.nodes()[k].mark == Mark::Treasury))
            return k;
    return -1;
}

Mark markNamed(const QString &s)
{
    const char *names[] = {"Deceased", "Fixed", "Residuary", "FixedAndResidue", "Kindred", "Treasury", "Excluded", "Link",
                           "Predeceased", "Bequest", "Uncertain"};
    for (int k = 0; k < 11; ++k)
        if (s == QLatin1String(names[k]))
            return Mark(k);
    return Mark(255);
}

// One check on the placed tree, as a table row writes it:
//   row <path> <n>            the generation row
//   mark <path> <Mark>
//   share <path> <a/b> <percent>
//   amount <path> <text>
//   before <path> <path>      the first is drawn left of the second
//   by <path> <path>          the first is excluded by the second, whose name its reason gives
//   kindred <path>            marked as distant kindred
//   died <path> <n>           a child who died before the deceased, <n> descendants drawn below him
//   uncertain <path>          a person whose state is unknown stands there (said on the node)
QString check(const TreeModel &m, const QString &line)
{
    const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (w[0] == QLatin1String("died")) {
        for (int k = 0; k < m.nodes().size(); ++k) {
            if (m.nodes()[k].path != w[1] || m.nodes()[k].mark != Mark::Predeceased)
                continue;
            int below = 0;
            for (const Node &c : m.nodes())
                below += c.parent == k ? 1 : 0;
            return below == w[2].toInt() ? QString() : QStringLiteral("%1 descendants below %2").arg(below).arg(w[1]);
        }
        return QStringLiteral("no predeceased node for ") + w[1];
    }
    const int a = nodeOfPath(m, w.value(1));
    if (a < 0)
        return QStringLiteral("no node for ") + w.value(1);
    const Node &n = m.nodes()[a];
    const QString op = w[0];
    if (op == QLatin1String("row") && n.row != w[2].toInt())
        return QStringLiteral("row of %1 is %2").arg(w[1]).arg(n.row);
    if (op == QLatin1String("mark") && n.mark != markNamed(w[2]))
        return QStringLiteral("mark of %1 is %2").arg(w[1]).arg(int(n.mark));
    if (op == QLatin1String("share") && (n.fraction != w[2] || n.percent != w.mid(3).join(QLatin1Char(' '))))
        return QStringLiteral("share of %1 is %2 %3").arg(w[1], n.fraction, n.percent);
    if (op == QLatin1String("amount") && n.amount != w[2])
        return QStringLiteral("amount of %1 is %2").arg(w[1], n.amount);
    if (op == QLatin1String("kindred") && !n.kindred)
        return w[1] + QStringLiteral(" not marked as distant kindred");
    if (op == QLatin1String("uncertain") && n.state.isEmpty())
        return w[1] + QStringLiteral(" says no one uncertain stands there");
    if (op == QLatin1String("before") || op == QLatin1String("by")) {
        const int b = nodeOfPath(m, w.value(2));
        if (b < 0)
            return QStringLiteral("no node for ") + w.value(2);
        if (op == QLatin1String("before") && !(n.column < m.nodes()[b].column))
            return QStringLiteral("%1 (%2) is not left of %3 (%4)").arg(w[1]).arg(n.column).arg(w[2]).arg(m.nodes()[b].column);
        if (op == QLatin1String("by") && (n.by != b || !n.reason.contains(m.nodes()[b].name.section(QLatin1Char(' '), -1))))
            return QStringLiteral("%1 excluded by node %2, reason \"%3\"").arg(w[1]).arg(n.by).arg(n.reason);
    }
    return {};
}

// What every tree keeps: no two boxes on a row closer than one column,
// a child one row from its parent, a sibling on its row, every member once.
QString invariants(const TreeModel &m, const engine::Family &f)
{
    const QList<Node> &nodes = m.nodes();
    for (int a = 0; a < nodes.size(); ++a) {
        for (int b = a + 1; b < nodes.size(); ++b)
            if (nodes[a].row == nodes[b].row && std::abs(nodes[a].column - nodes[b].column) < 1 - 1e-9)
                return QStringLiteral("%1 and %2 overlap").arg(nodes[a].path, nodes[b].path);
        const Node &n = nodes[a];
        if (n.column < -1e-9 || n.column > m.columns() - 1 + 1e-9)
            return n.path + QStringLiteral(" outside the columns");
        if (n.tie == Tie::Child && std::abs(n.row - nodes[n.parent].row) != 1)
            return n.path + QStringLiteral(" not a row from its parent");
        if ((n.tie == Tie::Sibling || n.tie == Tie::Spouse) && n.row != nodes[n.parent].row)
            return n.path + QStringLiteral(" not on its sibling's row");
    }
    for (std::size_t k = 0; k < f.members.size(); ++k)
        if (m.nodeOf(int(k)) < 0)
            return QStringLiteral("member %1 has no node").arg(k);
    return {};
}

class FixedPath : public details::FileChooser
{
public:
    explicit FixedPath(QString path) : m_path(std::move(path)) {}
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override { return m_path; }
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }

private:
    QString m_path;
};

} // namespace

class tst_tree : public QObject
{
    Q_OBJECT
private slots:
    void places_data();
    void places();
    void picture_data();
    void picture();
    void chart_data();
    void chart();
    void exported_data();
    void exported();
    void fitsWhenShown();
};

void tst_tree::places_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QStringList>("checks");
    const QString worked = QStringLiteral("father;mother;wife;son");
    QTest::newRow("worked example, English") << worked << 1 << QString() << QStringList{
        "row father -1", "row mother -1", "row wife 0", "row son 1", "row deceased 0",
        "share father 1/6 16.67 %", "share mother 1/6 16.67 %", "share wife 1/8 12.50 %", "share son 13/24 54.17 %",
        "mark father Fixed", "mark wife Fixed", "mark son Residuary", "mark deceased Deceased",
        "before father mother", "before deceased wife"};
    QTest::newRow("worked example, Arabic: mirrored") << worked << 0 << QString() << QStringList{
        "row father -1", "share son 13/24 54.17 %", "mark son Residuary", "before mother father", "before wife deceased"};
    QTest::newRow("worked example with an estate of 2400")
        << worked << 1 << QStringLiteral("2400") << QStringList{
        "amount father 400.00", "amount mother 400.00", "amount wife 300.00", "amount son 1300.00"};
    QTest::newRow("exclusion: the son shuts out his son and the brother")
        << QStringLiteral("son;son.son;brother") << 1 << QString() << QStringList{
        "mark son.son Excluded", "by son.son son", "mark brother Excluded", "by brother son", "row son.son 2",
        "share son 1 100.00 %"};
    QTest::newRow("the father beside a daughter: a sixth and the residue")
        << QStringLiteral("father;daughter") << 1 << QString() << QStringList{
        "mark father FixedAndResidue", "share father 1/2 50.00 %", "mark daughter Fixed"};
    QTest::newRow("the uncles' lines beyond the siblings' on the father's side")
        << QStringLiteral("father.brother.son;brother.son;maternalSister;mother.brother") << 1 << QString() << QStringList{
        "mark father Link", "mark father.brother Link", "row father.brother -1", "row father.brother.son 0",
        "row brother.son 1", "before father.brother.son brother.son", "before brother.son deceased",
        "before deceased maternalSister", "before maternalSister mother.brother", "kindred mother.brother"};
    QTest::newRow("the same in Arabic: the father's side on the right")
        << QStringLiteral("father.brother.son;brother.son;maternalSister;mother.brother") << 0 << QString() << QStringList{
        "before brother.son father.brother.son", "before deceased brother.son", "before maternalSister deceased"};
    QTest::newRow("distant kindred alone") << QStringLiteral("daughter.son") << 1 << QString() << QStringList{
        "mark daughter Link", "mark daughter.son Kindred", "kindred daughter.son", "share daughter.son 1 100.00 %",
        "row daughter.son 2"};
    QTest::newRow("the treasury takes the wife's rest")
        << QStringLiteral("profile=maliki;wife") << 1 << QString() << QStringList{
        "mark treasury Treasury", "share wife 1/4 25.00 %", "share treasury 3/4 75.00 %", "before wife treasury"};
    // "died=son>son,daughter": a son who died before the deceased with his
    // living son and daughter; ">daughter:1/9" gives her a ninth.
    QTest::newRow("obligatory bequest (Egypt): a cross over the branch, the grandson's bequest")
        << QStringLiteral("profile=egypt;wife;son;daughter;died=son>son,daughter:1/9") << 1 << QStringLiteral("120000")
        << QStringList{"died son 2", "row son.son 2", "mark son.son Bequest", "share son.son 2/9 22.22 %",
                       "amount son.son 26666.67", "mark son.daughter Excluded", "share wife 7/72 9.72 %",
                       "share son 49/108 45.37 %", "mark son Residuary"};
    QTest::newRow("no bequest (Hanafi): the grandchildren inherit beside a daughter")
        << QStringLiteral("profile=hanafi;daughter;died=son>son,daughter") << 1 << QString()
        << QStringList{"died son 2", "mark son.son Residuary", "share son.son 1/3 33.33 %",
                       "share son.daughter 1/6 16.67 %", "share daughter 1/2 50.00 %"};
    // Persons whose state is unknown (unborn=, missing=, hermaphrodite= a place): what is paid now.
    QTest::newRow("a pregnant widow: the unborn at the son's place, the brother paid nothing now")
        << QStringLiteral("wife;mother;brother;unborn=son") << 1 << QString() << QStringList{
        "mark son Uncertain", "uncertain son", "row son 1", "share wife 1/8 12.50 %", "share mother 1/6 16.67 %",
        "mark brother Excluded"};
    QTest::newRow("a missing son beside a son, in Arabic: one box says both")
        << QStringLiteral("son;missing=son") << 0 << QString() << QStringList{
        "mark son Residuary", "uncertain son", "share son 1/2 50.00 %"};
    QTest::newRow("forty relatives over six generations")
        << QString::fromLatin1(treefamilies::Large) << 1 << QStringLiteral("1000000") << QStringList{
        "row father.father.father -3", "row son.daughter 2", "row father.father.brother.son.son 0",
        "mark son Residuary", "by brother son", "by father.mother mother", "kindred daughter.son",
        "before father.brother.son brother", "before brother deceased", "before deceased maternalBrother",
        "before maternalBrother mother.brother"};
}

void tst_tree::places()
{
    QFETCH(QString, members);
    QFETCH(int, language);
    QFETCH(QString, estate);
    QFETCH(QStringList, checks);
    std::vector<engine::Predeceased> died;
    QStringList living;
    for (const QString &item : members.split(QLatin1Char(';'))) {
        if (!item.startsWith(QLatin1String("died="))) {
            living << item;
            continue;
        }
        const QStringList parts = item.mid(5).split(QLatin1Char('>'));
        engine::Predeceased p{*Path::parse(parts[0].toStdString()), {}, {}, {}};
        for (const QString &d : parts[1].split(QLatin1Char(','))) {
            const QStringList given = d.split(QLatin1Char(':'));
            const Path path = *Path::parse(given[0].toStdString());
            p.descendants.push_back({path, 1});
            if (given.size() > 1)
                p.gifts.push_back({path, Rational(given[1].section('/', 0, 0).toLongLong(), given[1].section('/', 1).toLongLong())});
        }
        died.push_back(p);
    }
    const engine::Family f = treefamilies::family(living.join(QLatin1Char(';')));
    QVERIFY(!f.members.empty());
    Money money;
    money.given = !estate.isEmpty();
    money.input.estate = estate.toStdString();
    std::vector<engine::UncertainPerson> uncertain;
    for (const QString &item : members.split(QLatin1Char(';'))) {
        const QString kind = item.section(QLatin1Char('='), 0, 0), place = item.section(QLatin1Char('='), 1);
        const int k = QStringList{"unborn", "missing", "hermaphrodite"}.indexOf(kind);
        if (k >= 0)
            uncertain.push_back({engine::Uncertainty(k), *Path::parse(place.toStdString()), 1, true});
    }
    TreeModel m;
    if (!uncertain.empty())
        m.setEstimates({f, uncertain}, engine::estimate({f, uncertain}), Language(language));
    else if (!died.empty())
        m.setBequest(f, died, engine::calculateWithBequest(f, died), Language(language), money);
    else
        m.setFamily(f, Language(language), money);
    QStringList wrong;
    if (const QString broken = invariants(m, f); !broken.isEmpty())
        wrong << broken;
    for (const QString &c : checks)
        if (const QString w = check(m, c); !w.isEmpty())
            wrong << w;
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void tst_tree::picture_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("ar") << 0;
    QTest::newRow("en") << 1;
}

// The picture of a family with every mark, against the kept one: the same
// size, and at most one pixel in two hundred visibly different (fonts may
// shift an edge). TARNAVEL_TREE_REFERENCE=write keeps a new picture.
void tst_tree::picture()
{
    QFETCH(int, language);
    const engine::Family f = treefamilies::family(
        QStringLiteral("father;mother.mother;wife:2;daughter:2;son.son;son.daughter;brother;maternalSister;"
                       "father.brother.son"));
    TreeModel m;
    m.setFamily(f, Language(language));
    const QSize size = sceneSize(m).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paint(p, m);
    }
    const QString reference = QStringLiteral(TARNAVEL_TEST_DATA "/tree_%1.png").arg(language ? "en" : "ar");
    if (qEnvironmentVariable("TARNAVEL_TREE_REFERENCE") == QLatin1String("write"))
        QVERIFY(image.save(reference));
    QImage kept(reference);
    QVERIFY2(!kept.isNull(), qPrintable(reference));
    kept = kept.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), kept.size());
    qsizetype differ = 0;
    for (int y = 0; y < size.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(kept.constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            if (std::abs(qGray(a[x]) - qGray(b[x])) > 64)
                ++differ;
    }
    const double share = double(differ) / (double(size.width()) * size.height());
    if (share > 0.005)
        image.save(QDir::temp().filePath(QStringLiteral("tree_%1_now.png").arg(language ? "en" : "ar")));
    QVERIFY2(share <= 0.005, qPrintable(QStringLiteral("%1 % of the pixels differ").arg(100 * share)));
}

// The chart's bars: every heir with a share and the treasury, the largest
// first; who receives nothing has no bar.
void tst_tree::chart_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QStringList>("bars");
    QTest::newRow("worked example") << QStringLiteral("father;mother;wife;son;brother")
                                    << QStringList{"son", "father", "mother", "wife"};
    QTest::newRow("the treasury") << QStringLiteral("profile=maliki;wife") << QStringList{"treasury", "wife"};
}

void tst_tree::chart()
{
    QFETCH(QString, members);
    QFETCH(QStringList, bars);
    TreeModel m;
    m.setFamily(treefamilies::family(members), Language::English);
    QStringList drawn;
    for (int k : chartBars(m))
        drawn << (m.nodes()[k].mark == Mark::Treasury ? QStringLiteral("treasury") : m.nodes()[k].path);
    QCOMPARE(drawn, bars);
}

// The view's export buttons write the picture the user sees: a PNG of the
// tree's proportions, an SVG with the relatives' names as text.
void tst_tree::exported_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("png") << QStringLiteral("png");
    QTest::newRow("svg") << QStringLiteral("svg");
}

void tst_tree::exported()
{
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tree"));   // the suffix is added
    details::setFileChooser(std::make_unique<FixedPath>(path));
    TreeModel m;
    m.setFamily(treefamilies::family(QStringLiteral("father;mother;wife;son;brother")), Language::English);
    TreeView view;
    view.applyLanguage(Language::English);
    view.setModel(&m);
    QVERIFY(suffix == QLatin1String("png") ? view.exportPng() : view.exportSvg());
    details::setFileChooser(nullptr);
    const QString file = path + QLatin1Char('.') + suffix;
    if (suffix == QLatin1String("png")) {
        const QImage image(file);
        const QSizeF scene = sceneSize(m);
        QVERIFY(!image.isNull());
        QVERIFY(std::abs(double(image.width()) / image.height() - scene.width() / scene.height()) < 0.01);
    } else {
        QFile svg(file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        QVERIFY(text.contains(QLatin1String("<svg")));
        QVERIFY2(text.contains(QLatin1String("the full brother")), "the names are not text in the SVG");
    }
}

// A family changed while the tree's page is hidden is fitted to the page's
// room once the page is shown, not to the size it had before its layout.
void tst_tree::fitsWhenShown()
{
    QTabWidget tabs;
    tabs.addTab(new QLabel(QStringLiteral("first")), QStringLiteral("first"));
    auto *view = new TreeView;
    tabs.addTab(view, QStringLiteral("tree"));
    tabs.resize(900, 600);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    TreeModel m;
    m.setFamily(treefamilies::family(QString::fromLatin1(treefamilies::Large)), Language::English);
    view->setModel(&m);
    tabs.setCurrentIndex(1);
    QCoreApplication::processEvents();
    const QSize room = view->findChild<QScrollArea *>(QStringLiteral("treeScroll"))->viewport()->size() - QSize(4, 4);
    const QSize canvas = view->canvas()->size();
    QVERIFY2(canvas.width() <= room.width() && canvas.height() <= room.height()
                 && (room.width() - canvas.width() <= 2 || room.height() - canvas.height() <= 2),
             qPrintable(QStringLiteral("canvas %1x%2 in %3x%4").arg(canvas.width()).arg(canvas.height()).arg(room.width()).arg(room.height())));
}

QTEST_MAIN(tst_tree)
#include "tst_tree.moc"
