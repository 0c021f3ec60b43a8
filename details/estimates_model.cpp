// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/estimates_model.h"

#include "case/engine/working.h"
#include "case/estate.h"
#include "details/relatives_model.h"
#include "details/working_model.h"
#include "report/path_working_text.h"
#include "report/relative_names.h"
#include "report/schools_text.h"
#include "ui/captions.h"

#include <QBrush>
#include <QFont>
#include <QPalette>

#include <algorithm>

namespace details {

namespace {

const char *kindKey(engine::Uncertainty k)
{
    switch (k) {
    case engine::Uncertainty::Unborn: return "kind.unborn";
    case engine::Uncertainty::Missing: return "kind.missing";
    case engine::Uncertainty::Hermaphrodite: return "kind.hermaphrodite";
    }
    return "kind.unborn";
}

const char *shortKey(engine::Uncertainty k)
{
    switch (k) {
    case engine::Uncertainty::Unborn: return "short.unborn";
    case engine::Uncertainty::Missing: return "short.missing";
    case engine::Uncertainty::Hermaphrodite: return "short.hermaphrodite";
    }
    return "short.unborn";
}

// One person's supposition in words.
QString supposed(const engine::UncertainPerson &u, const engine::Supposition &s, Language language)
{
    const auto c = [language](const char *key) { return estimatesCaption(key, language); };
    switch (u.kind) {
    case engine::Uncertainty::Unborn:
        if (s.males + s.females == 0)
            return c("suppose.bornDead");
        if (s.males + s.females == 1)
            return c(s.males ? "suppose.male" : "suppose.female");
        if (s.males + s.females == 2)
            return c(s.males == 2 ? "suppose.twoMales" : s.females == 2 ? "suppose.twoFemales" : "suppose.maleAndFemale");
        return c("suppose.children").arg(s.males).arg(s.females);
    case engine::Uncertainty::Missing:
        if (u.count == 1)
            return c(s.males ? "suppose.alive" : "suppose.dead");
        return c("suppose.someAlive").arg(s.males).arg(u.count);
    case engine::Uncertainty::Hermaphrodite:
        if (u.count == 1)
            return c(s.males ? "suppose.asMale" : "suppose.asFemale");
        return c("suppose.someMale").arg(s.males).arg(s.females);
    }
    return {};
}

} // namespace

QString estimatesCaption(const char *key, Language language)
{
    return captions::text(EstimatesCaptions, QLatin1String(key), language);
}

QString uncertainName(const engine::UncertainPerson &u, Language language)
{
    return estimatesCaption(kindKey(u.kind), language)
        .arg(report::relativeName(u.place, language, u.count));
}

QString suppositionText(const engine::UncertainFamily &f, const engine::Estimate &e, Language language, bool brief)
{
    QStringList parts;
    for (std::size_t i = 0; i < f.uncertain.size() && i < e.suppose.size(); ++i) {
        const engine::UncertainPerson &u = f.uncertain[i];
        const QString what = supposed(u, e.suppose[i], language);
        const bool alone = std::count_if(f.uncertain.begin(), f.uncertain.end(),
                                         [&](const engine::UncertainPerson &o) { return o.kind == u.kind; }) == 1;
        const QString who = brief && alone ? estimatesCaption(shortKey(u.kind), language) : uncertainName(u, language);
        parts << (f.uncertain.size() == 1 ? what : estimatesCaption("supposeOf", language).arg(who, what));
    }
    return parts.join(brief ? QStringLiteral("\n") : estimatesCaption("separator", language));
}

QStringList estimatesWorking(const engine::UncertainFamily &f, const engine::EstimatesResult &r, Language language)
{
    const auto c = [language](const char *key) { return estimatesCaption(key, language); };
    if (r.error != engine::EstimatesError::None) {
        static const char *const errors[] = {"", "error.notAPlace", "error.tooMany", "error.badCount", "error.tooLarge"};
        return {c(errors[int(r.error)])};
    }
    QStringList out;
    QStringList names;
    bool unborn = false, hermaphrodite = false, missing = false;
    for (const engine::UncertainPerson &u : f.uncertain) {
        names << uncertainName(u, language);
        unborn = unborn || u.kind == engine::Uncertainty::Unborn;
        missing = missing || u.kind == engine::Uncertainty::Missing;
        hermaphrodite = hermaphrodite || u.kind == engine::Uncertainty::Hermaphrodite;
    }
    out << c("intro").arg(names.join(c("separator")));
    // The views the estimates follow.
    const auto view = [&](View v) {
        out << c("viewLine").arg(report::viewTitle(v, language), report::viewAttribution(f.known.views, v, language));
    };
    if (unborn)
        view(View::UnbornReserve);
    if (hermaphrodite)
        view(View::Hermaphrodite);
    if (missing)
        out << c("missingJudge");
    // Every estimate an ordinary case.
    for (std::size_t e = 0; e < r.estimates.size(); ++e) {
        const engine::Estimate &x = r.estimates[e];
        out << c(x.decides ? "estimateHead" : "estimateHeadNotCounted")
                   .arg(int(e) + 1)
                   .arg(suppositionText(f, x, language))
                   .arg(x.base);
        out << report::pathSteps(x.family, x.result, engine::workOf(x.result), language);
    }
    if (r.suspended)
        out << c("suspended");
    if (r.statesAveraged)
        out << c("statesAveraged");
    out << c("heldLine").arg(fractionText(r.held, true)).arg(r.heldParts).arg(r.base).arg(r.reducedBase);
    for (std::size_t i = 0; i < f.uncertain.size() && i < r.mostFor.size(); ++i)
        out << c("mostLine").arg(uncertainName(f.uncertain[i], language), fractionText(r.mostFor[i], true));
    if (!r.byAgreement.isZero())
        out << c("byAgreement").arg(fractionText(r.byAgreement, true));
    return out;
}

void EstimatesModel::setEstimates(const engine::UncertainFamily &family, const engine::EstimatesResult &result,
                                  double estate, Language language)
{
    beginResetModel();
    m_family = family;
    m_result = result;
    m_language = language;
    m_rows.clear();
    m_amounts.clear();
    for (std::size_t k = 0; k < result.claimants.size(); ++k) {
        // The treasury only where some estimate gives it something.
        bool any = !result.claimants[k].treasury;
        for (const auto &shares : result.shares)
            any = any || !shares[k].isZero();
        if (any)
            m_rows.push_back(int(k));
    }
    if (estate >= 0.0 && result.error == engine::EstimatesError::None) {
        // What is paid now and what is held, in whole units that add up.
        std::vector<estate::Claimant> claimants;
        std::vector<int> rows;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Rational &q = result.now[std::size_t(m_rows[i])];
            if (!q.isZero()) {
                claimants.push_back({q.num, q.den, 1});
                rows.push_back(int(i));
            }
        }
        if (!result.held.isZero()) {
            claimants.push_back({result.held.num, result.held.den, 1});
            rows.push_back(int(m_rows.size()));
        }
        estate::Input in;
        in.estate = QString::number(estate, 'f', 2).toStdString();
        const estate::Result money = claimants.empty() ? estate::Result{} : estate::divide(in, claimants);
        if (!claimants.empty() && money.error == estate::Error::None) {
            m_amounts.assign(m_rows.size() + 1, QString::fromStdString(estate::formatMinor(0, 2)));
            for (std::size_t i = 0; i < rows.size(); ++i)
                m_amounts[std::size_t(rows[i])] = QString::fromStdString(estate::formatMinor(money.groups[i].total, 2));
        }
    }
    endResetModel();
}

int EstimatesModel::rowOf(int claimant) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] == claimant)
            return int(i);
    return -1;
}

int EstimatesModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_result.error != engine::EstimatesError::None || m_result.estimates.empty())
        return 0;
    return int(m_rows.size()) + 1;
}

int EstimatesModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_result.estimates.empty())
        return 0;
    return amountColumn() < 0 ? partsColumn() + 1 : amountColumn() + 1;
}

QString EstimatesModel::claimantName(int k) const
{
    const engine::Claimant &c = m_result.claimants[std::size_t(k)];
    if (c.treasury)
        return estimatesCaption("treasury", m_language);
    if (c.uncertain >= 0)
        return uncertainName(m_family.uncertain[std::size_t(c.uncertain)], m_language);
    return report::relativeName(c.path, m_language, c.count);
}

QVariant EstimatesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int row = index.row(), col = index.column();
    const bool held = row == heldRow();
    const int k = held ? -1 : m_rows[std::size_t(row)];
    if (role == Qt::DisplayRole) {
        if (col == 0)
            return held ? estimatesCaption("heldRow", m_language) : claimantName(k);
        const Rational share = held ? m_result.held : m_result.now[std::size_t(k)];
        if (col < paidColumn())
            return held ? QString() : shareText(m_result.shares[std::size_t(col - 1)][std::size_t(k)]);
        if (col == paidColumn())
            return held ? QString() : shareText(share);
        if (col == heldColumn())
            return held ? shareText(share) : QString();
        if (col == percentColumn())
            return percentText(share);
        if (col == partsColumn())
            return QString::number(held ? m_result.heldParts : m_result.nowParts[std::size_t(k)]);
        if (col == amountColumn())
            return m_amounts[std::size_t(row)];
        return {};
    }
    if (role == Qt::TextAlignmentRole && col != 0)
        return int(Qt::AlignCenter);
    if (role == Qt::FontRole && held) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ForegroundRole && col > 0 && col < paidColumn()
        && !m_result.estimates[std::size_t(col - 1)].decides)
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    if (role == Qt::ToolTipRole && col == 0 && !held && m_result.claimants[std::size_t(k)].uncertain >= 0)
        return estimatesCaption("mostTip", m_language)
            .arg(fractionText(m_result.mostFor[std::size_t(m_result.claimants[std::size_t(k)].uncertain)], true));
    return {};
}

QVariant EstimatesModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole) || section < 0
        || section >= columnCount())
        return {};
    if (section == 0)
        return estimatesCaption("colClaimant", m_language);
    if (section < paidColumn()) {
        const engine::Estimate &e = m_result.estimates[std::size_t(section - 1)];
        QString text = suppositionText(m_family, e, m_language, true);
        if (!e.decides)
            text = estimatesCaption("notCounted", m_language).arg(text);
        return role == Qt::ToolTipRole ? estimatesCaption("baseTip", m_language).arg(e.base) : text;
    }
    if (section == paidColumn())
        return estimatesCaption("colPaid", m_language);
    if (section == heldColumn())
        return estimatesCaption("colHeld", m_language);
    if (section == percentColumn())
        return estimatesCaption("colPercent", m_language);
    if (section == partsColumn())
        return estimatesCaption("colParts", m_language).arg(m_result.base);
    return estimatesCaption("colAmount", m_language);
}

} // namespace details
