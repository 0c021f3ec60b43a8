// SPDX-License-Identifier: GPL-3.0-or-later
// The profiles of the schools' views against their documentation: the values
// in case/views.cpp, the table in resources/report/schools.json and the
// overview in docs/schools.md must agree, every value of every view must be
// attributed in both languages, and the document must show the table's
// sentences and sources (it is written from the table by tools/schools_doc.py).
#include "case/views.h"
#include "report/schools_text.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

QString documentText()
{
    QFile file(QStringLiteral(TARNAVEL_SCHOOLS_MD));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

// docs/schools.md, "Profiles at a glance": profile -> view -> value.
QHash<QString, QHash<QString, QString>> documentedOverview()
{
    QHash<QString, QHash<QString, QString>> out;
    const QStringList lines = documentText().split(QLatin1Char('\n'));
    const auto cells = [](const QString &line) {
        QStringList c = line.split(QLatin1Char('|'));
        c = c.mid(1, c.size() - 2);
        for (QString &s : c)
            s = s.trimmed().remove(QLatin1Char('`'));
        return c;
    };
    qsizetype i = lines.indexOf(QStringLiteral("## Profiles at a glance"));
    if (i < 0)
        return out;
    while (++i < lines.size() && !lines[i].startsWith(QLatin1Char('|'))) {}
    if (i >= lines.size())
        return out;
    const QStringList header = cells(lines[i]);
    for (i += 2; i < lines.size() && lines[i].startsWith(QLatin1Char('|')); ++i) {
        const QStringList row = cells(lines[i]);
        for (qsizetype c = 1; c < row.size() && c < header.size(); ++c)
            out[header[c]][row[0]] = row[c];
    }
    return out;
}

QJsonObject schoolsTable()
{
    QFile file(QStringLiteral(":/report/schools.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class TestSchools : public QObject
{
    Q_OBJECT

private slots:
    void profileValuesAgree_data();
    void profileValuesAgree();
    void corrections_data();
    void corrections();
    void everyValueAttributed_data();
    void everyValueAttributed();
    void tableNamesOnlyKnownViews();
};

// Every view of every profile: views.cpp, the table and the document.
void TestSchools::profileValuesAgree_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("view");
    for (int p = 0; p < ProfileCount; ++p)
        for (int v = 0; v < ViewCount; ++v)
            QTest::addRow("%s/%s", profileName(Profile(p)), viewName(View(v))) << p << v;
}

void TestSchools::profileValuesAgree()
{
    static const auto overview = documentedOverview();
    QFETCH(int, profile);
    QFETCH(int, view);
    const Profile p = Profile(profile);
    const View v = View(view);
    const QString value = QString::fromLatin1(viewValue(profileViews(p), v));
    QCOMPARE(report::profileDocumentedValue(p, v), value);
    QCOMPARE(overview.value(QString::fromLatin1(profileName(p))).value(QString::fromLatin1(viewName(v))), value);
    // The document is written from the table: it shows the source too.
    QVERIFY(!report::profileSource(p, v).isEmpty());
    static const QString document = documentText();
    QVERIFY(document.contains(report::profileSource(p, v)));
}

// Values of a profile that were corrected against their sources.
void TestSchools::corrections_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("value");
    // Syrian decree 59/1953 art. 279 takes the Egyptian rule (art. 22), not Zayd's.
    QTest::newRow("syria grandfather as a brother, floor a sixth")
        << "syria" << "grandfatherWithSiblings" << "egypt1943";
    // The program returns the rest to a lone spouse; all who do so put distant
    // kindred, ranked by kinship, before that return.
    QTest::newRow("program distant kindred before the spouse's return")
        << "program" << "distantKindred" << "qaraba";
}

void TestSchools::corrections()
{
    QFETCH(QString, profile);
    QFETCH(QString, view);
    QFETCH(QString, value);
    const auto p = profileFromName(profile.toStdString());
    const auto v = viewFromName(view.toStdString());
    QVERIFY(p && v);
    QCOMPARE(QString::fromLatin1(viewValue(profileViews(*p), *v)), value);
}

void TestSchools::everyValueAttributed_data()
{
    QTest::addColumn<int>("view");
    for (int v = 0; v < ViewCount; ++v)
        QTest::addRow("%s", viewName(View(v))) << v;
}

void TestSchools::everyValueAttributed()
{
    QFETCH(int, view);
    const View v = View(view);
    QVERIFY(!report::viewTitle(v, Language::Arabic).isEmpty());
    QVERIFY(!report::viewTitle(v, Language::English).isEmpty());
    QStringList seen;
    for (const char *value : viewValueNames(v)) {
        const QString ar = report::viewAttribution(v, value, Language::Arabic);
        const QString en = report::viewAttribution(v, value, Language::English);
        QVERIFY2(!en.isEmpty() && !ar.isEmpty(), value);
        // The Arabic sentence is Arabic, and no two values share a sentence.
        QVERIFY2(ar.contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]"))), value);
        QVERIFY2(!seen.contains(en), value);
        seen << en;
        QVERIFY2(!report::viewHolders(v, value).isEmpty(), value);
        static const QString document = documentText();
        QVERIFY2(document.contains(en) && document.contains(ar), value);
    }
}

// A misspelt view or value in the table would never be looked up.
void TestSchools::tableNamesOnlyKnownViews()
{
    const QJsonObject t = schoolsTable();
    const QJsonObject views = t[QLatin1String("views")].toObject();
    QCOMPARE(views.size(), ViewCount);
    for (auto it = views.begin(); it != views.end(); ++it) {
        const auto v = viewFromName(it.key().toStdString());
        QVERIFY2(v, qPrintable(it.key()));
        const QJsonObject values = it.value()[QLatin1String("values")].toObject();
        QCOMPARE(values.size(), qsizetype(viewValueNames(*v).size()));
        Views probe;
        for (const QString &value : values.keys())
            QVERIFY2(setView(probe, *v, value.toStdString()), qPrintable(it.key() + "=" + value));
    }
    const QJsonObject profiles = t[QLatin1String("profiles")].toObject();
    QCOMPARE(profiles.size(), ProfileCount);
    for (const QString &name : profiles.keys())
        QVERIFY2(profileFromName(name.toStdString()), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestSchools)
#include "tst_schools.moc"
