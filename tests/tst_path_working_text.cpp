// SPDX-License-Identifier: GPL-3.0-or-later
// The working over paths in words: families at any depth under the
// profiles, with what the sentences must say (the evidence, the view
// followed where the schools differ, the bases) and must not say, in both
// languages; and every rule and reason reached with a sentence in each.

#include "case/engine/working.h"
#include "report/path_working_text.h"

#include <QtTest>

#include <algorithm>
#include <set>

class TestPathWorkingText : public QObject
{
    Q_OBJECT

private slots:
    void sentences_data();
    void sentences();
    void everyRuleAndReasonHasItsSentence();
};

namespace {

struct Case
{
    const char *name;
    const char *relatives;   // "path" or "path*count", separated by spaces
    const char *views;       // "profile" then "view=value" ("method=excludes": the case's choice)
    Language language;
    const char *present;     // fragments that must appear, separated by '|'
    const char *absent;      // fragments that must not appear
};

constexpr Language En = Language::English, Ar = Language::Arabic;

const Case Cases[] = {
    // Spouses, parents, descendants.
    {"husband, daughter, father", "husband daughter father", "program", En,
     "The husband: a quarter|[4:12]|The daughter: a half: alone|The father: a sixth as a fixed share and the residue|base of the case is 12",
     "on the view"},
    {"wives beside a son: the dual", "wife*2 son", "program", Ar,
     "الزوجتان: الثمن فرضًا تشتركان فيه بالتساوي|الابن: الباقي تعصيبًا، والبنوة أولى جهات العصبة|أصل المسألة من 8|من 8 إلى 16", "يشتركان"},
    {"mother, son, father", "mother son father", "program", En,
     "The mother: a sixth, as the deceased left a descendant|The father: a sixth as a fixed share, as the deceased left a male descendant. [4:11]|sonship",
     "standing in the father's place"},
    {"son and daughter", "son daughter", "program", En,
     "The daughter: the residue, the male taking twice the share of the female. [4:11]", "blessed"},
    {"great-grandfather beside a son", "father.father.father son", "program", En,
     "The grandfather's father: a sixth as a fixed share beside a male descendant, standing in the father's place by consensus. [4:11]", ""},
    {"wife and grandfather: the residue", "wife father.father", "program", Ar,
     "الجد: الباقي تعصيبًا، قائمًا مقام الأب («ألحقوا الفرائض بأهلها", "[4:11]"},
    {"al-Umariyya with the father", "wife mother father", "program", En,
     "one of the two ʿUmariyya cases|The mother: a third of what the spouse's share leaves, as ʿUmar judged|base of the case is 4",
     "Abu Yusuf"},
    {"the mother beside grandfather and husband: third of the whole", "husband mother father.father", "program", En,
     "The mother: a third, as the deceased left no descendant who inherits and fewer than two brothers or sisters, on the view of Abu Hanifa, Muhammad and the other three schools. [4:11]",
     "ʿUmariyya"},
    {"the mother beside grandfather and husband: third of the rest", "husband mother father.father",
     "program motherWithGrandfather=thirdOfRemainder", Ar,
     "الأم مع الجد وأحد الزوجين: لها ثلث الباقي بعد فرض أحد الزوجين، وهو قول أبي يوسف.|إذ قام الجد هنا مقام الأب، وهو قول أبي يوسف.",
     "هذه إحدى العمريتين"},
    {"mother beside two siblings, maternal siblings' third", "husband mother maternalBrother maternalSister brother", "hanafi", En,
     "The mother: a sixth, as the deceased left two or more brothers or sisters. [4:11]|The maternal sister: a part of the one third the maternal siblings share|The full brother: a residuary, and the fixed shares leave nothing, on the first ruling of Umar, held by Abu Hanifa and Ahmad.",
     "al-Mushtaraka"},
    {"al-Mushtaraka shared", "husband mother maternalBrother*2 brother", "program", En,
     "This is al-Mushtaraka: the full siblings share the maternal siblings' third, on the later ruling of Umar, held by Malik and al-Shafi'i.|The full brother: a part of the one third that the maternal and the full siblings share equally by head, on the later ruling",
     "nothing"},

    // Female descendants at any depth.
    {"the sixth completing and the two thirds", "daughter son.daughter*2 son.son.daughter", "program", En,
     "The son's daughters: a sixth, completing two thirds with the half taken in the generation above (Ibn Masʿud's report, al-Bukhari).|The son's son's daughter: nothing once the female descendants above have taken the two thirds",
     "[4:11] [4:11]"},
    {"the blessed relative, in the dual", "daughter*2 son.daughter*2 son.son.daughter son.son.son.son", "program", Ar,
     "البنتان: الثلثان فرضًا لتعددهما|بنتا الابن: الباقي تعصيبًا مع من هو أنزل منهما من الذكور (القريب المبارك)|بنت ابن الابن: الباقي تعصيبًا مع من هو أنزل منها|ابن ابن ابن الابن: الباقي تعصيبًا، للذكر مثل حظ الأنثيين. [4:11]|من 3 إلى 15",
     "لا شيء"},

    // Sisters and brothers.
    {"full sister and paternal sister", "sister paternalSister", "program", En,
     "The full sister: a half: alone, with no descendant who inherits, no father or grandfather and no brother. [4:176]|The paternal sister: a sixth, completing two thirds with the one full sister, by consensus|Return",
     "no full sibling"},
    {"two full sisters shut out the paternal sister", "sister*2 paternalSister*2", "program", Ar,
     "الأختان الشقيقتان: الثلثان فرضًا لتعددهما|الأختان لأب: لا شيء بعد استكمال الشقيقات الثلثين، ولا أخ لأب يعصِّبهما.", ""},
    {"a paternal sister alone, the uncle's residue", "paternalSister father.brother", "program", En,
     "The paternal sister: a half: alone, with no full sibling|The full paternal uncle: the residue, the nearest agnate by direction, then degree, then strength", ""},
    {"brother and sister two to one", "mother brother sister", "program", En,
     "The full brother: the residue, the brother taking twice the share of the sister. [4:176]|The full sister: the residue, the brother taking twice", ""},
    {"paternal brothers alone with the wife", "wife paternalBrother*3", "program", En,
     "The paternal brothers: the residue (\"give the fixed shares to those entitled", "twice the share"},
    {"sister with the daughter", "daughter sister paternalBrother", "program", En,
     "The full sister: the residue beside the female descendants (residuaries with another|The paternal brother: excluded by the full sister.", ""},
    {"a maternal sister and a cousin's son", "maternalSister father.brother.son mother.sister", "program", En,
     "The maternal sister: a sixth: alone, with no descendant who inherits and no father or grandfather. [4:12]|the residue, the nearest agnate|distant kindred (dhawu al-arham)",
     "do not inherit"},
    {"distant kindred where they do not inherit", "mother.brother*2 wife", "program distantKindred=none", Ar,
     "الخالان: من ذوي الأرحام|وهو قول زيد ومالك والشافعي: لا يرث ذوو الأرحام.", ""},

    // The emancipator.
    {"the emancipator after the daughter", "wife*2 emancipator daughter", "program", En,
     "The emancipator: the residue by the right of patronage, after every residuary by blood (\"patronage belongs to the one who frees\", al-Bukhari and Muslim).|The wives: an eighth, shared equally",
     ""},
    {"the emancipator's son, not his daughter", "wife emancipator.son emancipator.daughter", "program", En,
     "The emancipator's son: the residue by the emancipator's right of patronage|Ibn Hibban and al-Hakim|The emancipator's daughter: patronage passes only to the emancipator's agnates by themselves.",
     ""},

    // The grandfather beside the siblings, view by view.
    {"al-Akdariyya", "husband mother father.father sister", "program", En,
     "This is al-Akdariyya|The grandfather: a sixth as the fixed share, reduced by the 'awl, then pooled with the sister's half|The full sister: a half as the fixed share, reduced by the 'awl, then pooled with the grandfather's sixth and shared two to one (al-Akdariyya), on the view of Zayd ibn Thabit, held by Malik, al-Shafi'i and Ahmad. [4:176]|rises from 6 to 9|corrected from 9 to 27",
     ""},
    {"al-Muadda at the great-grandfather", "wife father.father.father brother*2 paternalSister father.mother mother.mother.mother", "program", En,
     "This is al-Muʿadda|The full brothers: what is left after the grandfather, on the view|The grandfather's father: a third of what the fixed shares leave|The paternal sister: counted against the grandfather, then left out for the full siblings (al-Muʿadda), on the view of Zayd ibn Thabit|The mother's mother's mother: excluded by the father's mother, on the view of Ali, held by Abu Hanifa and Ahmad.",
     "Abu Bakr"},
    {"the full sister takes back her half", "father.father sister paternalBrother paternalSister", "program", En,
     "The full sister: her half in full out of what is left after the grandfather; what remains after her goes to the paternal siblings counted against him|The paternal sister: what is left after the grandfather, the male taking twice the share of the female",
     ""},
    {"the grandfather sharing", "father.father brother", "program", En,
     "The grandfather: shares with the brothers and sisters as one of the brothers: sharing is the best for him, on the view of Zayd|base of the case is the residuaries' heads: 2",
     ""},
    {"the grandfather's third", "father.father brother*3", "shafii", Ar,
     "الجد: ثلث المال، وهو الأحظ له من المقاسمة، وهو قول زيد بن ثابت|الإخوة الأشقاء: الباقي بعد نصيب الجد", ""},
    {"the grandfather's sixth", "husband mother father.father brother*2", "program", En,
     "The grandfather: a sixth of the estate, the least he takes beside brothers and sisters, on the view of Zayd", ""},
    {"the grandfather excludes by the method chosen", "father.father brother", "program method=excludes", En,
     "The grandfather stands in the father's place and excludes the full and paternal brothers and sisters, on the view of Abu Bakr|The full brother: excluded by the grandfather, on the view of Abu Bakr",
     "Zayd"},
    {"Egypt: the grandfather as a brother", "father.father brother sister", "egypt", En,
     "The grandfather: the residue as one of the brothers, and never less than a sixth, as the Egyptian law of 1943 (art. 22)|The full sister: the residue, the brother taking twice the share of the sister, as the Egyptian law",
     ""},
    {"Egypt: the sister's half and the grandfather's residue", "father.father sister", "egypt", Ar,
     "الأخت الشقيقة: النصف فرضًا لانفرادها وعدم الفرع الوارث والمعصِّب، ويأخذ الجد الباقي بعدها، وهو ما نص عليه القانون المصري لسنة 1943", ""},
    {"al-Malikiyya", "husband mother father.father paternalBrother maternalBrother*2", "maliki", En,
     "This is al-Malikiyya: the grandfather takes the maternal siblings' third, and the brothers nothing, on the view of Malik.|The paternal brother: excluded by the grandfather, on the view of Malik.",
     "Zayd"},
    {"al-Malikiyya not followed", "husband mother father.father paternalBrother maternalBrother*2", "shafii", En,
     "The paternal brother: what is left after the grandfather, on the view of Zayd, al-Shafi'i and Ahmad. [4:176]",
     "on the view of Malik."},

    // Grandmothers.
    {"the father's mother beside the father", "father father.mother", "program", En,
     "The father's mother: a sixth, as the Prophet gave the grandmother the sixth (the report of al-Mughira ibn Shuʿba and Muhammad ibn Maslama, Abu Dawud and al-Tirmidhi), on the view of Umar and Ibn Mas'ud, held by Ahmad.",
     ""},
    {"the father excludes his mother, who still excludes", "father father.mother mother.mother.mother", "hanafi", En,
     "The father's mother: excluded by the father, on the view of Zayd, held by Abu Hanifa, Malik and al-Shafi'i.|The mother's mother's mother: excluded by the father's mother, on the view of the Hanafis",
     ""},
    {"the excluded grandmother excludes no one", "father father.mother mother.mother.mother", "shafii", En,
     "The mother's mother's mother: a sixth|a grandmother who is herself excluded excludes no other grandmother", ""},
    {"two grandmothers share the sixth, nearer paternal beside farther maternal", "son father.mother mother.mother.mother", "shafii", Ar,
     "أم الأب: حصتها من السدس الذي تشترك فيه الجدات الوارثات|أم أم الأم: حصتها من السدس|وهو قول مالك والأظهر عند الشافعية: يشتركان في السدس", ""},
    {"a grandmother of two fathers' line", "son father.father.mother", "program", En,
     "The grandfather's mother: a sixth|on the view of Ahmad: three grandmothers inherit", ""},
    {"a grandmother beyond Malik's lines", "son father.father.mother*2", "maliki", Ar,
     "ليستا من الجدات الوارثات، لإدلائهما بآباءٍ أكثر مما يعتبره هذا القول، |وهو قول مالك: لا يرث أكثر من جدتين", ""},

    // Return, the spouse's rest, the treasury, correction and reduction.
    {"return", "mother daughter", "program", En,
     "Return: a surplus is left and no residuary, so it goes back to the fixed-share heirs other than a spouse in proportion to their shares; the case becomes 4, on the view of most of the Companions",
     "Correction"},
    {"'awl with nothing to correct", "husband mother sister*2", "program", En,
     "The full sisters: two thirds: two or more|rises from 6 to 8", "Correction|Reduction"},
    {"return beside a wife", "wife mother daughter", "program", En,
     "the spouse's case of 8 and the return case of 4 give 32", ""},
    {"the rest to a lone wife", "wife", "program", En,
     "No one but the spouse is left to take the rest, so the spouse takes it, on the view of Uthman", "treasury"},
    {"a lone wife and the treasury", "wife", "maliki", En,
     "What the fixed shares leave goes to the public treasury, on the view of the four schools", "Zayd"},
    {"the surplus to the treasury", "mother", "program surplus=treasury", Ar,
     "ما بقي بعد أصحاب الفروض لبيت المال، وهو قول زيد بن ثابت، وبه قال مالك والشافعي.", "الرد"},
    {"kinship: a later class", "daughter.son mother.brother", "hanafi", En,
     "the rest by kinship|of a later class of distant kindred, shut out by the daughter's son", ""},
    {"kinship: farther in degree", "daughter.daughter son.daughter.daughter", "hanafi", En,
     "farther in degree than the daughter's daughter", ""},
    {"kinship: the child of an heir", "daughter.daughter.son son.daughter.son", "hanafi", Ar, "ولدُ وارثٍ أو يُدلي بوارث", ""},
    {"kinship: the stronger tie", "brother.daughter paternalBrother.daughter", "egypt", En, "but by a weaker tie", ""},
    {"substitution: nearer to an heir", "son.daughter.daughter daughter.daughter.son", "hanbali", En,
     "the share of the heir through whom he is related|reaches an heir of the same direction in fewer steps", ""},
    {"substitution: the heir shut out", "daughter.daughter.daughter maternalBrother.daughter", "hanbali", Ar,
     "لا شيء له في مسألة الورثة المنزَّلين", ""},
    {"no heir", "emancipator.daughter", "program", En, "The deceased left no heir: the whole estate goes to the public treasury.", "base"},
    {"reduction", "father daughter*3", "program", En,
     "Correction: the case is corrected from 6 to 18|Reduction: every heir's parts share a factor, so the case can be reduced from 18 to 9.", ""},
};

engine::Family familyOf(const Case &c)
{
    engine::Family f;
    const QStringList words = QString::fromLatin1(c.views).split(QLatin1Char(' '));
    f.profile = *profileFromName(words[0].toStdString());
    f.views = profileViews(f.profile);
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QStringList kv = words[i].split(QLatin1Char('='));
        if (kv[0] == u"method")
            f.method = engine::GrandfatherMethod::Excludes;
        else if (!setView(f.views, *viewFromName(kv[0].toStdString()), kv[1].toStdString()))
            qFatal("bad view in a row");
    }
    for (const QString &r : QString::fromLatin1(c.relatives).split(QLatin1Char(' '))) {
        const QStringList pc = r.split(QLatin1Char('*'));
        const auto path = Path::parse(pc[0].toStdString());
        if (!path)
            qFatal("bad path in a row");
        f.members.push_back({*path, pc.size() > 1 ? pc[1].toInt() : 1});
    }
    return f;
}

// The steps, then every exclusion, one a line; a member who receives
// nothing has no share sentence and an heir no exclusion sentence.
QString working(const engine::Family &f, const engine::Result &r, Language language)
{
    QStringList lines = report::pathSteps(f, r, engine::workOf(r), language);
    for (int i = 0; i < static_cast<int>(r.members.size()); ++i) {
        const QString share = report::pathShareSentence(f, r, i, language);
        const QString none = report::pathExclusionSentence(f, r, i, language);
        if (share.isEmpty() == none.isEmpty())
            return QStringLiteral("member %1: a share sentence and an exclusion sentence, or neither").arg(i);
        lines << none;
    }
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void TestPathWorkingText::sentences_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(Cases)); ++i)
        QTest::newRow(Cases[i].name) << i;
}

void TestPathWorkingText::sentences()
{
    QFETCH(int, row);
    const Case &c = Cases[row];
    const engine::Family f = familyOf(c);
    const QString text = working(f, engine::calculate(f), c.language);
    for (const QString &p : QString::fromUtf8(c.present).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        QVERIFY2(text.contains(p), qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(p, text)));
    for (const QString &a : QString::fromUtf8(c.absent).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        QVERIFY2(!text.contains(a), qPrintable(QStringLiteral("unexpected \"%1\" in:\n%2").arg(a, text)));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QVERIFY2(!line.contains(QLatin1Char('{')), qPrintable(line));
        const auto letter = std::find_if(line.begin(), line.end(), [](QChar ch) { return ch.isLetter(); });
        QVERIFY2(c.language == Ar || (letter != line.end() && letter->isUpper()), qPrintable(line));
    }
}

// Every rule and reason is reached by some row above, and has its sentence
// in both languages.
void TestPathWorkingText::everyRuleAndReasonHasItsSentence()
{
    std::set<engine::ShareRule> rules;
    std::set<engine::Reason> reasons;
    for (const Case &c : Cases) {
        const engine::Family f = familyOf(c);
        for (const engine::MemberResult &m : engine::calculate(f).members) {
            rules.insert(m.rule);
            reasons.insert(m.reason);
        }
    }
    for (int i = 1; i <= static_cast<int>(engine::ShareRule::SubstitutionShare); ++i) {
        const auto rule = static_cast<engine::ShareRule>(i);
        QVERIFY2(rules.count(rule), report::pathRuleKey(rule));
        QVERIFY2(report::pathRuleTemplate(rule, Ar).startsWith(QLatin1String("{who}: ")), report::pathRuleKey(rule));
        QVERIFY2(report::pathRuleTemplate(rule, En).startsWith(QLatin1String("{who}: ")), report::pathRuleKey(rule));
    }
    for (int i = 1; i <= static_cast<int>(engine::Reason::HeirShutOut); ++i) {
        const auto reason = static_cast<engine::Reason>(i);
        QVERIFY2(reasons.count(reason), report::pathReasonKey(reason));
        QVERIFY2(report::pathReasonTemplate(reason, Ar).startsWith(QLatin1String("{who}: ")), report::pathReasonKey(reason));
        QVERIFY2(report::pathReasonTemplate(reason, En).startsWith(QLatin1String("{who}: ")), report::pathReasonKey(reason));
    }
}

QTEST_GUILESS_MAIN(TestPathWorkingText)
#include "tst_path_working_text.moc"
