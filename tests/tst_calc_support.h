// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cases and expected shares written as text, so that a data row reads like
// the case it describes:
//   record:   "FatherAlive=1 MotherAlive=1 WifeCount=1 SonCount=1"
//   expected: "FatherShare=1/6 MotherShare=1/6 WifeShare=1/8 SonShare=13/24"
// A record may also preset shares ("HusbandShare=1/2") for the arithmetic.

#include "case/calculation.h"
#include "case/case_fields.h"

#include <QString>
#include <QStringList>
#include <QtTest>

#include <cmath>

namespace calctest {

inline double fraction(const QString &text)
{
    const QStringList parts = text.split(u'/');
    bool ok = false;
    double value = parts.at(0).toDouble(&ok);
    if (!ok)
        qFatal("bad number %s", qPrintable(text));
    if (parts.size() == 2)
        value = value / parts.at(1).toDouble();
    return value;
}

inline CaseRecord recordFrom(const QString &text)
{
    CaseRecord c;
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0);
        const QString value = item.section(u'=', 1);
        const std::string key = name.toStdString();
        if (const CountField *f = findInputField(key))
            c.*(f->member) = static_cast<std::int16_t>(value.toInt());
        else if (const ShareField *s = findShareField(key))
            c.*(s->member) = fraction(value);
        else
            qFatal("unknown case value %s", qPrintable(name));
    }
    return c;
}

// Every share named in `expected` within 1e-12 of its fraction, every other
// share exactly 0, and the shares adding up to the estate. Returns what
// differs, empty when all agree.
inline QString shareMismatch(const CaseRecord &c, const QString &expected)
{
    QStringList named;
    QString out;
    for (const QString &item : expected.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0);
        const ShareField *s = findShareField(name.toStdString());
        if (!s)
            qFatal("unknown share %s", qPrintable(name));
        named << name;
        const double want = fraction(item.section(u'=', 1));
        const double got = c.*(s->member);
        if (!(std::fabs(got - want) <= 1e-12))
            out += QStringLiteral("%1 is %2, expected %3 (%4); ")
                       .arg(name).arg(got, 0, 'g', 17).arg(want, 0, 'g', 17).arg(item.section(u'=', 1));
    }
    for (const ShareField &s : shareFields()) {
        const QString name = QString::fromLatin1(s.name.data(), qsizetype(s.name.size()));
        if (!named.contains(name) && c.*(s.member) != 0)
            out += QStringLiteral("%1 is %2, expected 0; ").arg(name).arg(c.*(s.member), 0, 'g', 17);
    }
    if (!(std::fabs(c.ShareTotal - 1.0) <= 1e-12))
        out += QStringLiteral("ShareTotal is %1; ").arg(c.ShareTotal, 0, 'g', 17);
    return out;
}

// Counts the calls of the calculation's two screen hooks for one test.
class HookRecorder
{
public:
    HookRecorder()
    {
        calculationHooks().noHeirsNotice = [this](const CaseRecord &c) {
            ++notices;
            noticeLanguage = c.Language;
            remainderAtNotice = c.Remainder;
        };
        calculationHooks().openResults = [this](const CaseRecord &c) {
            ++opened;
            totalAtOpen = c.ShareTotal;
        };
    }
    ~HookRecorder() { calculationHooks() = CalculationHooks{}; }
    HookRecorder(const HookRecorder &) = delete;
    HookRecorder &operator=(const HookRecorder &) = delete;

    int notices = 0;
    int opened = 0;
    int noticeLanguage = -1;
    double remainderAtNotice = -1;
    double totalAtOpen = -1;
};

// The rows of a table of whole cases: a record and the shares it must give.
inline void caseColumns()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("expected");
}

inline void verifyCase(const QString &record, const QString &expected)
{
    CaseRecord c = recordFrom(record);
    HookRecorder hooks;
    Recalculate(c);
    const QString mismatch = shareMismatch(c, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(hooks.opened, 1);
}

} // namespace calctest
