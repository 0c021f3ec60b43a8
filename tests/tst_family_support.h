// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the questionnaire tests share: a stand-in deceased entry window, a
// recorder for the results hook, and clicks and picks as a user makes them.

#include "app.h"
#include "case/case_record.h"
#include "questionnaires/collateral/register_collateral.h"
#include "questionnaires/family/register_family.h"
#include "tests/gui_support.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <functional>

namespace quest {

struct Field { const char *name; std::int16_t CaseRecord::*member; };
inline const Field Fields[] = {
    {"FatherAlive", &CaseRecord::FatherAlive}, {"MotherAlive", &CaseRecord::MotherAlive},
    {"GrandFatherAlive", &CaseRecord::GrandFatherAlive},
    {"ParentalGrandMotherAlive", &CaseRecord::ParentalGrandMotherAlive},
    {"MaternalGrandMotherAlive", &CaseRecord::MaternalGrandMotherAlive},
    {"HusbandAlive", &CaseRecord::HusbandAlive}, {"WifeCount", &CaseRecord::WifeCount},
    {"SonCount", &CaseRecord::SonCount}, {"DaughterCount", &CaseRecord::DaughterCount},
    {"SonsSonCount", &CaseRecord::SonsSonCount}, {"SonsDaughterCount", &CaseRecord::SonsDaughterCount},
    {"SonsSonsSonCount", &CaseRecord::SonsSonsSonCount},
    {"SonsSonsDaughterCount", &CaseRecord::SonsSonsDaughterCount},
    {"FullBrotherCount", &CaseRecord::FullBrotherCount}, {"FullSisterCount", &CaseRecord::FullSisterCount},
    {"ParentalBrotherCount", &CaseRecord::ParentalBrotherCount},
    {"ParentalSisterCount", &CaseRecord::ParentalSisterCount},
    {"MaternalBrotherCount", &CaseRecord::MaternalBrotherCount},
    {"MaternalSisterCount", &CaseRecord::MaternalSisterCount},
    {"MaternalSiblingCount", &CaseRecord::MaternalSiblingCount},
    {"BrothersSonCount", &CaseRecord::BrothersSonCount},
    {"ParentalBrothersSonCount", &CaseRecord::ParentalBrothersSonCount},
    {"FullUncleCount", &CaseRecord::FullUncleCount}, {"ParentalUncleCount", &CaseRecord::ParentalUncleCount},
    {"FullUnclesSonCount", &CaseRecord::FullUnclesSonCount},
    {"ParentalUnclesSonCount", &CaseRecord::ParentalUnclesSonCount},
    {"GrandFatherAsFather", &CaseRecord::GrandFatherAsFather},
};

inline std::int16_t CaseRecord::*member(const QString &name)
{
    for (const Field &f : Fields)
        if (name == QLatin1String(f.name))
            return f.member;
    return nullptr;
}

// Compares the record with "Name=value Name=value ..."; returns the
// mismatches, empty when all agree.
inline QString mismatches(const CaseRecord &c, const QString &expected)
{
    QStringList out;
    for (const QString &item : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList kv = item.split(QLatin1Char('='));
        auto m = member(kv.value(0));
        if (!m) {
            out << QStringLiteral("unknown %1").arg(kv.value(0));
            continue;
        }
        if (c.*m != kv.value(1).toInt())
            out << QStringLiteral("%1=%2 (expected %3)").arg(kv.value(0)).arg(c.*m).arg(kv.value(1));
    }
    return out.join(QLatin1String(", "));
}

// Counts the results hook and keeps the record as the distribution left it.
struct Recorder
{
    int results = 0;
    int noHeirs = 0;
    CaseRecord last;
    QStringList visibleAtResults;   // questionnaire windows still on screen

    void install()
    {
        calculationHooks().openResults = [this](const CaseRecord &c) {
            ++results;
            last = c;
            visibleAtResults.clear();
            for (const QString &n : {windows::Family, windows::Collateral, windows::Method})
                if (QWidget *w = ui::loadedWindow(n); w && w->isVisible())
                    visibleAtResults << n;
        };
        calculationHooks().noHeirsNotice = [this](const CaseRecord &) { ++noHeirs; };
    }
};

// The deceased entry as far as the questionnaires read it.
inline void registerDeceasedStandIn(bool woman)
{
    ui::registerWindow(windows::DeceasedEntry, [woman] {
        auto *d = new QDialog;
        d->setObjectName(windows::DeceasedEntry);
        auto *name = new QLineEdit(d);
        name->setObjectName(QStringLiteral("txtNameofDead"));
        auto *man = new QRadioButton(d);
        man->setObjectName(QStringLiteral("OptMan"));
        auto *w = new QRadioButton(d);
        w->setObjectName(QStringLiteral("OptWoman"));
        (woman ? w : man)->setChecked(true);
        // As the deceased entry keeps them for the later windows.
        caseaccess::setDeceased(QString(), woman, d);
        QObject::connect(d, &QObject::destroyed, [d] { caseaccess::clearDeceased(d); });
        return d;
    });
    ui::window(windows::DeceasedEntry);
}

// A fresh run: empty record in the language, the questionnaire windows
// registered, a stand-in deceased of the given sex.
inline void freshCase(Recorder &rec, bool woman, Language language = Language::Arabic)
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    theCase().Language = std::int16_t(language);
    fonts::installSubstitutions();
    language::applyToApplication(Language(language));
    registerFamilyWindows();
    registerCollateralWindows();
    registerDeceasedStandIn(woman);
    rec = Recorder{};
    rec.install();
}

// Clicks an option on its round indicator, a button in its middle.
inline void click(QAbstractButton *b)
{
    QVERIFY2(b, "no such button");
    QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->objectName() + " cannot be clicked"));
    QPoint at = b->rect().center();
    if (qobject_cast<QRadioButton *>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        at = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, b).center();
    }
    QTest::mouseClick(b, Qt::LeftButton, {}, at);
}

// Opens the list and clicks the entry, as a user picks it.
inline void pick(QComboBox *combo, int index)
{
    QVERIFY2(combo, "no such list");
    QVERIFY2(combo->isVisible(), qPrintable(combo->objectName() + " is not on screen"));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = combo->model()->index(index, 0);
    view->scrollTo(item);
    QCoreApplication::processEvents();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

// Runs "optFatherYes" (click) or "cmbSons:2" (pick entry 2) on a loaded window.
inline void step(const QString &window, const QString &s)
{
    const QStringList parts = s.split(QLatin1Char(':'));
    if (parts.size() == 2) {
        pick(child<QComboBox>(window, parts[0]), parts[1].toInt());
    } else {
        auto *b = child<QAbstractButton>(window, parts[0]);
        QVERIFY2(b, qPrintable(QStringLiteral("no %1 in %2").arg(parts[0], window)));
        click(b);
    }
}

// The frames of a window that are not hidden, as "1 3 6".
inline QString shownFrames(const QString &window, int count)
{
    QStringList out;
    for (int n = 1; n <= count; ++n)
        if (auto *f = child<QGroupBox>(window, QStringLiteral("Frame%1").arg(n)); f && !f->isHidden())
            out << QString::number(n);
    return out.join(QLatin1Char(' '));
}

// Where the family questionnaire on screen and the case record disagree, or
// "" when they agree: each hidden question has nothing recorded, each shown question's answer (none counts as no, or 0)
// is its recorded value, and (with `reveals`) each shown question was
// revealed by an answered one.
inline QString familyDisagreement(QWidget *fathers, bool reveals = true)
{
    if (!fathers || !fathers->isVisible())
        return {};
    const CaseRecord &c = theCase();
    auto shown = [fathers](int frame) {
        auto *f = fathers->findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(frame));
        return f && f->isVisible();
    };
    auto checked = [fathers](const char *name) {
        auto *b = fathers->findChild<QAbstractButton *>(QLatin1String(name));
        return b && b->isChecked();
    };
    auto index = [fathers](const char *name) {
        auto *l = fathers->findChild<QComboBox *>(QLatin1String(name));
        return l ? l->currentIndex() : -1;
    };
    QStringList out;
    const struct { int frame; const char *yes; const char *no; std::int16_t CaseRecord::*field; } yesNo[] = {
        {1, "optFatherYes", "optFatherNo", &CaseRecord::FatherAlive},
        {2, "optGrandFatherYes", "optGrandFatherNo", &CaseRecord::GrandFatherAlive},
        {3, "optMotherYes", "optMotherNo", &CaseRecord::MotherAlive},
        {4, "optMaternalGrandMotherYes", "optMaternalGrandMotherNo", &CaseRecord::MaternalGrandMotherAlive},
        {5, "optParentalGrandMotherYes", "optParentalGrandMotherNo", &CaseRecord::ParentalGrandMotherAlive},
        {7, "optHusbandYes", "optHusbandNo", &CaseRecord::HusbandAlive},
    };
    // A hidden question has no answer in the record.
    for (const auto &q : yesNo)
        if (!shown(q.frame) && c.*q.field != 0)
            out << QStringLiteral("Frame%1 is hidden, the record has %2").arg(q.frame).arg(c.*q.field);
    for (const auto &q : yesNo)
        if (shown(q.frame) && c.*q.field != (checked(q.yes) ? 1 : 0))
            out << QStringLiteral("Frame%1 shows %2, the record has %3")
                       .arg(q.frame)
                       .arg(checked(q.yes) ? "yes" : checked(q.no) ? "no" : "nothing")
                       .arg(c.*q.field);
    const struct { int frame; const char *list; std::int16_t CaseRecord::*field; } counts[] = {
        {8, "cmbSons", &CaseRecord::SonCount}, {9, "cmbDaughters", &CaseRecord::DaughterCount},
        {10, "cmbSonsOfSons", &CaseRecord::SonsSonCount}, {11, "cmbDaughtersOfSons", &CaseRecord::SonsDaughterCount},
        {12, "cmbSonsSonsSons", &CaseRecord::SonsSonsSonCount},
        {13, "cmbDaughtersSonsSons", &CaseRecord::SonsSonsDaughterCount}, {14, "cmbWifes", &CaseRecord::WifeCount},
    };
    for (const auto &q : counts)
        if (!shown(q.frame) && c.*q.field != 0)
            out << QStringLiteral("%1 is hidden, the record has %2").arg(QLatin1String(q.list)).arg(c.*q.field);
    for (const auto &q : counts)
        if (shown(q.frame) && c.*q.field != std::max(0, index(q.list)))
            out << QStringLiteral("%1 shows entry %2, the record has %3").arg(QLatin1String(q.list)).arg(index(q.list)).arg(c.*q.field);
    // Which answered question reveals each frame.
    auto answered = [&](int frame) {
        if (!shown(frame))
            return false;
        for (const auto &q : yesNo)
            if (q.frame == frame)
                return checked(q.yes) || checked(q.no);
        for (const auto &q : counts)
            if (q.frame == frame)
                return index(q.list) >= 0;
        if (frame == 6)
            return checked("optMarriedYes") || checked("optMarriedNo");
        return checked("optWithKids") || checked("optWithoutKids");
    };
    const struct { int frame; std::initializer_list<int> by; } revealers[] = {
        {2, {1}}, {3, {1, 2}}, {4, {3}}, {5, {4}}, {6, {3, 5}}, {7, {6}}, {14, {6}}, {15, {7, 14}},
        {8, {15}}, {9, {8}}, {10, {9}}, {11, {10}}, {12, {11}}, {13, {12}},
    };
    for (const auto &r : revealers) {
        if (!reveals || !shown(r.frame))
            continue;
        bool revealed = false;
        for (int by : r.by)
            revealed = revealed || answered(by);
        if (!revealed)
            out << QStringLiteral("Frame%1 shown with no answer that reveals it").arg(r.frame);
    }
    return out.join(QStringLiteral("; "));
}

} // namespace quest
