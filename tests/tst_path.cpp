// SPDX-License-Identifier: GPL-3.0-or-later
// Relatives as paths: which texts the grammar takes, and the shape read from
// each (kind, degree, generations below, strength, fathers in a
// grandmother's line, sex, the relative after "emancipator").

#include "case/path.h"

#include <QTest>

Q_DECLARE_METATYPE(PathKind)
Q_DECLARE_METATYPE(Strength)

namespace {

using K = PathKind;
using S = Strength;

// "son" repeated n times, joined by dots.
QString sons(int n)
{
    QStringList steps;
    for (int i = 0; i < n; ++i)
        steps << QStringLiteral("son");
    return steps.join(u'.');
}

void taken(const QString &path, K kind, int degree, int below, S strength, int fathers, bool male,
           const QString &after = {})
{
    QTest::newRow(qPrintable(path)) << path << true << kind << degree << below << strength << fathers << male
                                    << after;
}

void refused(const char *name, const QString &path)
{
    QTest::newRow(name) << path << false << K::DistantKindred << 0 << 0 << S::None << 0 << false << QString();
}

} // namespace

class TestPath : public QObject
{
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
};

void TestPath::shape_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<PathKind>("kind");
    QTest::addColumn<int>("degree");
    QTest::addColumn<int>("below");
    QTest::addColumn<Strength>("strength");
    QTest::addColumn<int>("fathers");
    QTest::addColumn<bool>("male");
    QTest::addColumn<QString>("after");

    // The kinds the questionnaires ask about.
    taken("father", K::MaleAscendant, 1, 0, S::None, 0, true);
    taken("father.father", K::MaleAscendant, 2, 0, S::None, 0, true);
    taken("mother", K::Mother, 1, 0, S::None, 0, false);
    taken("mother.mother", K::Grandmother, 2, 0, S::None, 0, false);
    taken("father.mother", K::Grandmother, 2, 0, S::None, 1, false);
    taken("husband", K::Husband, 0, 0, S::None, 0, true);
    taken("wife", K::Wife, 0, 0, S::None, 0, false);
    taken("son", K::Descendant, 1, 1, S::None, 0, true);
    taken("daughter", K::Descendant, 1, 1, S::None, 0, false);
    taken("son.son", K::Descendant, 2, 2, S::None, 0, true);
    taken("son.daughter", K::Descendant, 2, 2, S::None, 0, false);
    taken("son.son.son", K::Descendant, 3, 3, S::None, 0, true);
    taken("son.son.daughter", K::Descendant, 3, 3, S::None, 0, false);
    taken("brother", K::Sibling, 1, 0, S::Full, 0, true);
    taken("sister", K::Sibling, 1, 0, S::Full, 0, false);
    taken("paternalBrother", K::Sibling, 1, 0, S::Paternal, 0, true);
    taken("paternalSister", K::Sibling, 1, 0, S::Paternal, 0, false);
    taken("maternalBrother", K::MaternalSibling, 1, 0, S::Maternal, 0, true);
    taken("maternalSister", K::MaternalSibling, 1, 0, S::Maternal, 0, false);
    taken("brother.son", K::AgnateCollateral, 1, 1, S::Full, 0, true);
    taken("paternalBrother.son", K::AgnateCollateral, 1, 1, S::Paternal, 0, true);
    taken("father.brother", K::AgnateCollateral, 2, 0, S::Full, 0, true);
    taken("father.paternalBrother", K::AgnateCollateral, 2, 0, S::Paternal, 0, true);
    taken("father.brother.son", K::AgnateCollateral, 2, 1, S::Full, 0, true);
    taken("father.paternalBrother.son", K::AgnateCollateral, 2, 1, S::Paternal, 0, true);

    // Deeper heirs.
    taken("son.son.son.son", K::Descendant, 4, 4, S::None, 0, true);
    taken("son.son.son.son.son.daughter", K::Descendant, 6, 6, S::None, 0, false);
    taken(sons(MaxPathLength), K::Descendant, MaxPathLength, MaxPathLength, S::None, 0, true);
    taken("father.father.father.father", K::MaleAscendant, 4, 0, S::None, 0, true);
    taken("mother.mother.mother", K::Grandmother, 3, 0, S::None, 0, false);
    taken("father.mother.mother.mother", K::Grandmother, 4, 0, S::None, 1, false);
    taken("father.father.mother", K::Grandmother, 3, 0, S::None, 2, false);
    taken("father.father.father.mother.mother", K::Grandmother, 5, 0, S::None, 3, false);
    taken("brother.son.son", K::AgnateCollateral, 1, 2, S::Full, 0, true);
    taken("paternalBrother.son.son.son", K::AgnateCollateral, 1, 3, S::Paternal, 0, true);
    taken("father.father.brother", K::AgnateCollateral, 3, 0, S::Full, 0, true);
    taken("father.father.paternalBrother.son", K::AgnateCollateral, 3, 1, S::Paternal, 0, true);
    taken("father.father.father.brother.son", K::AgnateCollateral, 4, 1, S::Full, 0, true);

    // Distant kindred: through a female, or a female where only males inherit.
    taken("daughter.son", K::DistantKindred, 2, 2, S::None, 0, true);
    taken("daughter.daughter", K::DistantKindred, 2, 2, S::None, 0, false);
    taken("son.daughter.son", K::DistantKindred, 3, 3, S::None, 0, true);
    taken("mother.brother", K::DistantKindred, 2, 0, S::Full, 0, true);
    taken("mother.paternalSister", K::DistantKindred, 2, 0, S::Paternal, 0, false);
    taken("sister.son", K::DistantKindred, 1, 1, S::Full, 0, true);
    taken("father.sister", K::DistantKindred, 2, 0, S::Full, 0, false);
    taken("father.maternalBrother", K::DistantKindred, 2, 0, S::Maternal, 0, true);
    taken("mother.father", K::DistantKindred, 2, 0, S::None, 0, true);
    taken("mother.father.mother", K::DistantKindred, 3, 0, S::None, 0, false);
    taken("father.mother.father", K::DistantKindred, 3, 0, S::None, 0, true);
    taken("brother.daughter", K::DistantKindred, 1, 1, S::Full, 0, false);
    taken("brother.son.daughter", K::DistantKindred, 1, 2, S::Full, 0, false);
    taken("father.brother.daughter", K::DistantKindred, 2, 1, S::Full, 0, false);
    taken("maternalBrother.son", K::DistantKindred, 1, 1, S::Maternal, 0, true);
    taken("maternalSister.daughter", K::DistantKindred, 1, 1, S::Maternal, 0, false);

    // The emancipator and the emancipator's own relatives.
    taken("emancipator", K::Emancipator, 0, 0, S::None, 0, true);
    taken("emancipator.son", K::EmancipatorAgnate, 1, 1, S::None, 0, true, "son");
    taken("emancipator.daughter", K::NotAgnateOfEmancipator, 1, 1, S::None, 0, false, "daughter");
    taken("emancipator.son.son", K::EmancipatorAgnate, 2, 2, S::None, 0, true, "son.son");
    taken("emancipator.father", K::EmancipatorAgnate, 1, 0, S::None, 0, true, "father");
    taken("emancipator.brother", K::EmancipatorAgnate, 1, 0, S::Full, 0, true, "brother");
    taken("emancipator.paternalBrother.son", K::EmancipatorAgnate, 1, 1, S::Paternal, 0, true,
          "paternalBrother.son");
    taken("emancipator.father.brother.son", K::EmancipatorAgnate, 2, 1, S::Full, 0, true, "father.brother.son");
    taken("emancipator.mother", K::NotAgnateOfEmancipator, 1, 0, S::None, 0, false, "mother");
    taken("emancipator.sister", K::NotAgnateOfEmancipator, 1, 0, S::Full, 0, false, "sister");
    taken("emancipator.maternalBrother", K::NotAgnateOfEmancipator, 1, 0, S::Maternal, 0, true,
          "maternalBrother");
    taken("emancipator.daughter.son", K::NotAgnateOfEmancipator, 2, 2, S::None, 0, true, "daughter.son");
    taken("emancipator." + sons(MaxPathLength - 1), K::EmancipatorAgnate, MaxPathLength - 1, MaxPathLength - 1,
          S::None, 0, true, sons(MaxPathLength - 1));

    refused("empty", "");
    refused("unknown word", "uncle");
    refused("capitalised word", "Father");
    refused("space", "father ");
    refused("trailing dot", "father.");
    refused("leading dot", ".father");
    refused("double dot", "father..mother");
    refused("ascent then descent", "father.son");
    refused("mother then daughter", "mother.daughter");
    refused("spouse then more", "husband.son");
    refused("two spouses", "wife.wife");
    refused("spouse after ascent", "father.wife");
    refused("descent then sibling", "son.brother");
    refused("descent then ascent", "son.father");
    refused("sibling then ascent", "brother.father");
    refused("two sibling steps", "brother.sister");
    refused("emancipator inside", "son.emancipator");
    refused("emancipator twice", "emancipator.emancipator");
    refused("emancipator's spouse", "emancipator.wife");
    refused("emancipator trailing dot", "emancipator.");
    refused("too long", sons(MaxPathLength + 1));
    refused("too long after emancipator", "emancipator." + sons(MaxPathLength));
}

void TestPath::shape()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    const std::optional<Path> p = Path::parse(path.toStdString());
    QCOMPARE(p.has_value(), accepted);
    if (!accepted)
        return;
    QFETCH(PathKind, kind);
    QFETCH(int, degree);
    QFETCH(int, below);
    QFETCH(Strength, strength);
    QFETCH(int, fathers);
    QFETCH(bool, male);
    QFETCH(QString, after);
    QCOMPARE(QString::fromStdString(p->text()), path);
    QCOMPARE(p->length(), int(path.count(u'.')) + 1);
    QCOMPARE(p->kind(), kind);
    QCOMPARE(p->degree(), degree);
    QCOMPARE(p->depthBelow(), below);
    QCOMPARE(p->strength(), strength);
    QCOMPARE(p->fathersInLine(), fathers);
    QCOMPARE(p->male(), male);
    const std::optional<Path> rest = p->afterEmancipator();
    QCOMPARE(rest ? QString::fromStdString(rest->text()) : QString(), after);
}

QTEST_APPLESS_MAIN(TestPath)
#include "tst_path.moc"
