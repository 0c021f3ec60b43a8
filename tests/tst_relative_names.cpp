// SPDX-License-Identifier: GPL-3.0-or-later
// Names of relatives given as paths, in both languages and for one, two and
// several heads: the names the working already uses, deeper heirs, distant
// kindred and the emancipator's relatives.

#include "report/relative_names.h"

#include <QTest>

class TestRelativeNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyPathHasItsOwnName();
};

namespace {

void row(const char *path, int count, const char *arabic, const char *english)
{
    QTest::newRow(qPrintable(QStringLiteral("%1 x%2").arg(QLatin1String(path)).arg(count)))
        << QString::fromLatin1(path) << count << QString::fromUtf8(arabic) << QString::fromUtf8(english);
}

} // namespace

void TestRelativeNames::names_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("arabic");
    QTest::addColumn<QString>("english");

    // The names the working gives today; Arabic adds the dual.
    row("father", 1, "الأب", "the father");
    row("father.father", 1, "الجد", "the grandfather");
    row("mother", 1, "الأم", "the mother");
    row("mother.mother", 1, "أم الأم", "the mother's mother");
    row("father.mother", 1, "أم الأب", "the father's mother");
    row("husband", 1, "الزوج", "the husband");
    row("wife", 1, "الزوجة", "the wife");
    row("wife", 2, "الزوجتان", "the wives");
    row("wife", 4, "الزوجات", "the wives");
    row("son", 1, "الابن", "the son");
    row("son", 2, "الابنان", "the sons");
    row("son", 11, "الأبناء", "the sons");
    row("daughter", 3, "البنات", "the daughters");
    row("son.son", 1, "ابن الابن", "the son's son");
    row("son.son", 2, "ابنا الابن", "the son's sons");
    row("son.daughter", 1, "بنت الابن", "the son's daughter");
    row("son.son.son", 5, "أبناء ابن الابن", "the son's son's sons");
    row("son.son.daughter", 1, "بنت ابن الابن", "the son's son's daughter");
    row("brother", 1, "الأخ الشقيق", "the full brother");
    row("brother", 2, "الأخوان الشقيقان", "the full brothers");
    row("brother", 3, "الإخوة الأشقاء", "the full brothers");
    row("sister", 2, "الأختان الشقيقتان", "the full sisters");
    row("sister", 3, "الأخوات الشقيقات", "the full sisters");
    row("paternalBrother", 3, "الإخوة لأب", "the paternal brothers");
    row("paternalSister", 1, "الأخت لأب", "the paternal sister");
    row("maternalBrother", 1, "الأخ لأم", "the maternal brother");
    row("maternalSister", 2, "الأختان لأم", "the maternal sisters");
    row("brother.son", 1, "ابن الأخ الشقيق", "the full brother's son");
    row("paternalBrother.son", 3, "أبناء الأخ لأب", "the paternal brother's sons");
    row("father.brother", 1, "العم الشقيق", "the full paternal uncle");
    row("father.brother", 2, "العمان الشقيقان", "the full paternal uncles");
    row("father.brother", 3, "الأعمام الأشقاء", "the full paternal uncles");
    row("father.paternalBrother", 1, "العم لأب", "the father's paternal half-brother");
    row("father.brother.son", 1, "ابن العم الشقيق", "the full uncle's son");
    row("father.paternalBrother.son", 2, "ابنا العم لأب", "the paternal uncle's sons");

    // Deeper heirs.
    row("son.son.son.son", 1, "ابن ابن ابن الابن", "the son's son's son's son");
    row("son.son.son.daughter", 1, "بنت ابن ابن الابن", "the son's son's son's daughter");
    row("father.father.father", 1, "أب الجد", "the grandfather's father");
    row("father.father.father.father", 1, "أب أب الجد", "the grandfather's father's father");
    row("mother.mother.mother", 1, "أم أم الأم", "the mother's mother's mother");
    row("father.mother.mother", 1, "أم أم الأب", "the father's mother's mother");
    row("father.mother.mother.mother", 1, "أم أم أم الأب", "the father's mother's mother's mother");
    row("father.father.mother", 1, "أم الجد", "the grandfather's mother");
    row("father.father.father.mother", 1, "أم أب الجد", "the grandfather's father's mother");
    row("brother.son.son", 1, "ابن ابن الأخ الشقيق", "the full brother's son's son");
    row("paternalBrother.son.son", 3, "أبناء ابن الأخ لأب", "the paternal brother's son's sons");
    row("father.father.brother", 1, "عم الأب", "the father's full uncle");
    row("father.father.paternalBrother", 1, "عم الأب لأب", "the father's paternal uncle");
    row("father.father.brother.son", 1, "ابن عم الأب", "the father's full uncle's son");
    row("father.father.paternalBrother.son", 2, "ابنا عم الأب لأب", "the father's paternal uncle's sons");
    row("father.father.father.brother", 1, "عم الجد", "the grandfather's full uncle");
    row("father.father.father.paternalBrother.son", 1, "ابن عم الجد لأب", "the grandfather's paternal uncle's son");
    row("father.father.father.brother.son", 1, "ابن عم الجد", "the grandfather's full uncle's son");
    row("father.brother.son.son", 1, "ابن ابن العم الشقيق", "the full uncle's son's son");

    // Distant kindred.
    row("daughter.son", 1, "ابن البنت", "the daughter's son");
    row("daughter.daughter", 2, "بنتا البنت", "the daughter's daughters");
    row("mother.brother", 1, "الخال", "the maternal uncle");
    row("mother.brother", 3, "الأخوال", "the maternal uncles");
    row("mother.maternalBrother", 1, "الخال لأم", "the mother's maternal half-brother");
    row("father.sister", 1, "العمة", "the paternal aunt");
    row("father.paternalSister", 2, "العمتان لأب", "the father's paternal half-sisters");
    row("father.maternalBrother", 1, "العم لأم", "the father's maternal half-brother");
    row("mother.sister", 1, "الخالة", "the maternal aunt");
    row("sister.son", 1, "ابن الأخت الشقيقة", "the full sister's son");
    row("paternalSister.daughter", 1, "بنت الأخت لأب", "the paternal sister's daughter");
    row("maternalBrother.son", 1, "ابن الأخ لأم", "the maternal brother's son");
    row("brother.daughter", 1, "بنت الأخ الشقيق", "the full brother's daughter");
    row("father.brother.daughter", 1, "بنت العم الشقيق", "the full uncle's daughter");
    row("mother.father", 1, "أب الأم", "the mother's father");
    row("mother.father.mother", 1, "أم أب الأم", "the mother's father's mother");
    row("father.mother.father", 1, "أب أم الأب", "the father's mother's father");
    row("mother.brother.son", 1, "ابن الخال", "the maternal uncle's son");
    row("father.sister.son", 1, "ابن العمة", "the paternal aunt's son");
    row("mother.mother.brother", 1, "خال الأم", "the mother's maternal uncle");
    row("father.mother.sister", 1, "خالة الأب", "the father's maternal aunt");

    // The emancipator and the emancipator's relatives.
    row("emancipator", 1, "المعتق", "the emancipator");
    row("emancipator", 2, "المعتقان", "the emancipators");
    row("emancipator.son", 1, "ابن المعتق", "the emancipator's son");
    row("emancipator.son", 3, "أبناء المعتق", "the emancipator's sons");
    row("emancipator.daughter", 1, "بنت المعتق", "the emancipator's daughter");
    row("emancipator.son.son", 1, "ابن ابن المعتق", "the emancipator's son's son");
    row("emancipator.father.father", 1, "جد المعتق", "the emancipator's grandfather");
    row("emancipator.father.father.father", 1, "أب جد المعتق", "the emancipator's grandfather's father");
    row("emancipator.paternalBrother", 1, "أخ المعتق لأب", "the emancipator's paternal brother");
    row("emancipator.father.brother.son", 1, "ابن عم المعتق", "the emancipator's full uncle's son");
}

void TestRelativeNames::names()
{
    QFETCH(QString, path);
    QFETCH(int, count);
    QFETCH(QString, arabic);
    QFETCH(QString, english);
    const std::optional<Path> p = Path::parse(path.toStdString());
    QVERIFY(p);
    QCOMPARE(report::relativeName(*p, Language::Arabic, count), arabic);
    QCOMPARE(report::relativeName(*p, Language::English, count), english);
}

// Every path the grammar takes, up to five steps, has a name in each
// language, and no two relatives share one: a report line must say whom it
// means.
void TestRelativeNames::everyPathHasItsOwnName()
{
    std::vector<std::string> paths{""};
    QHash<QString, QString> seen[2];
    int named = 0;
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string &prefix : paths) {
            for (int s = 0; s < PathStepCount; ++s) {
                const std::string text = (prefix.empty() ? "" : prefix + ".") + stepWord(PathStep(s));
                const std::optional<Path> p = Path::parse(text);
                if (!p)
                    continue;   // nothing longer is taken either
                longer.push_back(text);
                ++named;
                for (Language l : {Language::Arabic, Language::English}) {
                    const QString name = report::relativeName(*p, l, 1);
                    QVERIFY2(!name.isEmpty() && !name.contains(QLatin1String("  ")) && name == name.trimmed(),
                             text.c_str());
                    const QString other = seen[int(l)].value(name);
                    QVERIFY2(other.isEmpty(), qPrintable(name + ": " + other + ", " + text.c_str()));
                    seen[int(l)].insert(name, QString::fromStdString(text));
                }
            }
        }
        paths = std::move(longer);
    }
    // Lines of blood of n steps: 2^(n+1) without a sibling step (ascents
    // only, or descents only) and 6 n 2^(n-1) with one; 10, 32, 88, 224 and
    // 544 for n = 1..5. Then the two spouses, the emancipator, and the
    // emancipator followed by a line of up to four steps.
    QCOMPARE(named, 898 + 2 + 1 + 354);
}

QTEST_APPLESS_MAIN(TestRelativeNames)
#include "tst_relative_names.moc"
