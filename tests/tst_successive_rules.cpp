// SPDX-License-Identifier: GPL-3.0-or-later
// The rules over more than one death and withdrawal that hold for every
// case: what cannot be is refused with its reason, a chain of one death is
// the calculation's own answer, and generated chains add up to their exact
// fractions. The cases' notation is tst_successive's.
#include "tst_path_generator.h"
#include "tst_successive_support.h"

class tst_successive_rules : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void singleDeath_data();
    void singleDeath();
    void randomChains();
};

// What cannot be is refused with its reason: a chain, those who die
// together ("together: A: ... | B: ..."), a withdrawal ("withdraw: family;
// agreement").
void tst_successive_rules::faults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("a later deceased not among the heirs") << "son=A | B: son" << "a later death must be";
    QTest::newRow("one dies twice") << "son=A son=B | A: brother=B | A: son" << "dies twice";
    QTest::newRow("a dead person inherits") << "son=A son=B | A: brother=B | B: brother=A" << "has died before";
    QTest::newRow("in his own case") << "son=A | A: mother=A" << "has died before";
    QTest::newRow("one person twice in a death") << "son=A daughter=A" << "named twice";
    QTest::newRow("a named group") << "son=A*2" << "a named person is one head";
    QTest::newRow("a man, then a woman") << "son=A daughter=B | A: brother=B" << "a man in one death and a woman";
    QTest::newRow("a husband and a wife") << "husband wife" << "a husband and wives";
    QTest::newRow("five wives") << "wife*5" << "too many heads";
    // Each son dies leaving a wife and seven sons: the base grows beyond 64 bits.
    QString sons = QStringLiteral("son=P0 son*6");
    for (int k = 0; k < 24; ++k)
        sons += QStringLiteral(" | P%1: wife son=P%2 son*6").arg(k).arg(k + 1);
    QTest::newRow("beyond the exact range") << sons << "beyond the exact range";
    QTest::newRow("together: one alone") << "together: A: son" << "at least two";
    QTest::newRow("together: a name twice") << "together: A: son | A: son" << "named, once";
    QTest::newRow("together: among his own") << "together: A: brother=A | B: son" << "among his own relatives";
    QTest::newRow("withdraw: one not there") << "withdraw: son; wife estate" << "not among the relatives";
    QTest::newRow("withdraw: more heads than there are") << "withdraw: son*2; son:3 estate" << "not among the relatives";
    QTest::newRow("withdraw: nothing left for the others") << "withdraw: son; son estate" << "nothing remains";
    QTest::newRow("withdraw: no payer") << "withdraw: husband mother; husband heirs equally" << "no one pays";
    QTest::newRow("withdraw: a payer twice") << "withdraw: husband brother*2; husband heirs equally brother:1 brother:1"
                                             << "not among those who stay";
    QTest::newRow("withdraw: a payer's heads") << "withdraw: husband brother*2; husband heirs equally brother:3"
                                               << "not among those who stay";
    QTest::newRow("withdraw: a payment missing") << "withdraw: husband mother father.brother; husband heirs byPayment "
                                                    "mother@300 father.brother" << "payment is needed";
}

void tst_successive_rules::faults()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    std::string said;
    if (text.startsWith(QLatin1String("together: "))) {
        std::vector<TogetherDeath> deaths;
        for (const QString &d : text.mid(10).split('|')) {
            auto [person, relatives] = deathOf(d);
            deaths.push_back({person, relatives});
        }
        said = workTogether(deaths, Views(), Profile::Program).error;
    } else if (text.startsWith(QLatin1String("withdraw: "))) {
        const auto [f, w] = withdrawalCase(text.mid(10).section(';', 0, 0), text.section(';', 1).trimmed());
        said = withdraw(f, w).error;
    } else {
        said = workChain(chainOf(text)).error;
    }
    QVERIFY2(QString::fromStdString(said).contains(error), said.c_str());
}

// A chain of one death is the calculation's own answer, and its base the working's.
void tst_successive_rules::singleDeath_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("profile");
    QTest::newRow("wife, son, daughter") << "wife son daughter" << "program";
    QTest::newRow("the 'awl: husband, two sisters, mother") << "husband sister*2 mother" << "program";
    QTest::newRow("the return: wife and daughter") << "wife daughter" << "program";
    QTest::newRow("the treasury: a wife alone, Maliki") << "wife" << "maliki";
    QTest::newRow("grandfather and brothers") << "father.father brother*2 mother" << "hanbali";
    QTest::newRow("four wives, six sons") << "wife*4 son*6" << "program";
}

void tst_successive_rules::singleDeath()
{
    QFETCH(QString, family);
    QFETCH(QString, profile);
    const Chain c = chainOf(family, *profileFromName(profile.toStdString()));
    const ChainResult r = workChain(c);
    QVERIFY2(r.ok(), r.error.c_str());
    const Result direct = calculate(familyOf(c.deaths[0].relatives, c.views, c.profile, c.method));
    const Working w = workOf(direct);
    QCOMPARE(r.steps[0].base, w.correctedBase);
    QCOMPARE(r.reducedBase, w.reducedBase ? w.reducedBase : w.correctedBase);
    for (std::size_t h = 0; h < r.holders.size(); ++h) {
        const Holder &x = r.holders[h];
        const Rational expected = x.treasury ? direct.treasury : direct.members[std::size_t(x.relative)].share;
        QCOMPARE(r.shares[h], expected);
    }
}

// Generated chains at any depth: one head of each group of the first case
// is a named person, who may die later leaving a generated family with one
// living named person among it. Every chain's parts are its exact
// fractions, and every case and the whole add up.
void tst_successive_rules::randomChains()
{
    calctest::PathFamilyGenerator gen(23);
    std::mt19937_64 rng(7);
    int chains = 0, later = 0;
    for (int n = 0; n < 2000; ++n) {
        Chain c;
        c.views = profileViews(Profile(n % ProfileCount));
        c.profile = Profile(n % ProfileCount);
        if (c.views.grandfatherWithSiblings == GrandfatherWithSiblings::Ask)
            c.method = GrandfatherMethod::Shares;
        std::vector<std::pair<std::string, bool>> living;   // named persons and their sex
        Death first;
        for (const Member &m : gen.next().members) {
            const std::string name = "P" + std::to_string(living.size());
            first.relatives.push_back({m.path, 1, name});
            living.emplace_back(name, m.path.male());
            if (m.count > 1)
                first.relatives.push_back({m.path, m.count - 1, {}});
        }
        c.deaths.push_back(first);
        for (int d = 1 + int(rng() % 3); d > 0 && living.size() > 1; --d) {
            const std::size_t who = rng() % living.size();
            Death next{living[who].first, {}};
            living.erase(living.begin() + std::ptrdiff_t(who));
            for (const Member &m : gen.next().members)
                next.relatives.push_back({m.path, m.count, {}});
            const auto &[name, male] = living[rng() % living.size()];
            next.relatives.push_back({*Path::parse(male ? "father.father.brother.son.son" : "father.father.sister"), 1, name});
            c.deaths.push_back(next);
            ++later;
        }
        const ChainResult r = workChain(c);
        if (!r.ok()) {
            QVERIFY2(r.error.find("beyond the exact range") != std::string::npos, r.error.c_str());
            continue;
        }
        ++chains;
        Rational whole;
        std::int64_t parts = 0;
        for (std::size_t h = 0; h < r.holders.size(); ++h) {
            QCOMPARE(r.shares[h], Rational(r.finalParts[h], r.reducedBase));
            QCOMPARE(r.finalParts[h] % r.holders[h].count, std::int64_t(0));
            whole += r.shares[h];
            parts += r.finalParts[h];
        }
        QCOMPARE(whole, Rational(1));
        QCOMPARE(parts, r.reducedBase);
        for (const auto &f : r.ownShares)   // each later deceased's own property too
            QCOMPARE(std::accumulate(f.begin(), f.end(), Rational()), Rational(1));
        for (const ChainStep &s : r.steps) {
            std::int64_t sum = s.treasuryParts;
            for (std::int64_t p : s.caseParts)
                sum += p;
            QCOMPARE(sum, s.base);
        }
    }
    QVERIFY(chains > 1500 && later > 2000);
}

QTEST_APPLESS_MAIN(tst_successive_rules)
#include "tst_successive_rules.moc"
