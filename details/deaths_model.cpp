// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/deaths_model.h"

#include "details/relatives_model.h"
#include "report/chain_working_text.h"
#include "report/relative_names.h"
#include "ui/captions.h"

#include <QFont>

#include <algorithm>

namespace details {

QString deathsCaption(const char *key, Language language)
{
    return captions::text(DeathsCaptions, QLatin1String(key), language);
}

namespace {

int groupSize(const PersonRef &p, const engine::Family &first, const std::vector<LaterDeath> &later)
{
    for (const Head &h : headsOf(first, later, p.death))
        if (h.ref == p)
            return h.count;
    return 1;
}

QString deceasedName(int death, const engine::Family &first, const std::vector<LaterDeath> &later, Language language)
{
    if (death == 0 || death > int(later.size()))
        return deathsCaption("firstDeceased", language);
    return personName(later[std::size_t(death - 1)].deceased, first, later, language);
}

// The one head left unnamed of a group whose others are named (the son 1
// beside the son 2 who died), or nothing.
std::optional<PersonRef> restOfGroup(const engine::Holder &h, const engine::Family &first,
                                     const std::vector<LaterDeath> &later, const std::vector<engine::Holder> &holders)
{
    if (h.count != 1 || h.treasury || h.death < 0)
        return std::nullopt;
    std::optional<PersonRef> rest;
    for (const Head &head : headsOf(first, later, h.death)) {
        if (!(head.ref.path == h.path) || head.count < 2)
            continue;
        const std::string key = personKey(head.ref);
        if (std::none_of(holders.begin(), holders.end(), [&](const engine::Holder &o) { return o.person == key; }))
            rest = head.ref;
    }
    return rest;
}

} // namespace

QString personName(const PersonRef &p, const engine::Family &first, const std::vector<LaterDeath> &later,
                   Language language)
{
    QString name = report::relativeName(p.path, language, 1);
    if (groupSize(p, first, later) > 1)
        name = deathsCaption("numbered", language).arg(name).arg(p.which + 1);
    if (p.death > 0)
        name = deathsCaption("heirOf", language).arg(name, deceasedName(p.death, first, later, language));
    return name;
}

void DeathsModel::setChain(const engine::Family &first, const std::vector<LaterDeath> &later, Language language,
                           const std::optional<estate::Input> &money)
{
    beginResetModel();
    m_language = language;
    m_later = later;
    m_error.clear();
    m_result = {};
    m_holderNames.clear();
    m_deceasedNames.clear();
    m_amounts.clear();
    m_caseParts.clear();
    m_steps.clear();
    std::string error;
    int bad = 0;
    m_chain = chainOf(first, later, error, &bad);
    if (bad > 0)
        error = deathsCaption("notAlive", language).arg(bad + 1).toStdString();
    if (error.empty() && !later.empty()) {
        m_result = engine::workChain(m_chain);
        error = m_result.error;
    }
    if (!error.empty() || later.empty()) {
        m_error = QString::fromStdString(error);
        m_result = {};
        endResetModel();
        return;
    }
    const auto &holders = m_result.holders;
    for (int d = 0; d <= int(later.size()); ++d)
        m_deceasedNames.push_back(deceasedName(d, first, later, language));
    for (const engine::Holder &h : holders) {
        QString name;
        if (h.treasury) {
            name = deathsCaption("treasury", language);
        } else if (const auto p = personOfKey(h.person)) {
            name = personName(*p, first, later, language);
        } else if (const auto one = restOfGroup(h, first, later, holders)) {
            name = personName(*one, first, later, language);
        } else {
            name = report::relativeName(h.path, language, h.count);
            if (h.count > 1)
                name = deathsCaption("group", language).arg(name).arg(h.count);
            if (h.death > 0)
                name = deathsCaption("heirOf", language).arg(name, m_deceasedNames[std::size_t(h.death)]);
        }
        m_holderNames.push_back(name);
    }
    // A person met again in a later death is named as he is there too.
    for (int k = 1; k <= int(later.size()); ++k)
        for (const LaterRelative &r : later[std::size_t(k - 1)].relatives) {
            if (!r.same)
                continue;
            for (std::size_t h = 0; h < holders.size(); ++h)
                if (holders[h].person == personKey(*r.same))
                    m_holderNames[h] = deathsCaption(r.path.male() ? "alsoIn.male" : "alsoIn.female", language)
                                           .arg(m_holderNames[h], report::relativeName(r.path, language, 1))
                                           .arg(k + 1);
        }
    // Each death's case parts by holder.
    for (std::size_t d = 0; d < m_result.steps.size(); ++d) {
        const engine::ChainStep &s = m_result.steps[d];
        std::vector<std::int64_t> parts(holders.size(), 0);
        const auto &relatives = m_chain.deaths[d].relatives;
        for (std::size_t j = 0; j < relatives.size() && j < s.caseParts.size(); ++j)
            for (std::size_t h = 0; h < holders.size(); ++h)
                if (relatives[j].person.empty() ? (holders[h].person.empty() && !holders[h].treasury
                                                   && holders[h].death == int(d) && holders[h].relative == int(j))
                                                : holders[h].person == relatives[j].person)
                    parts[h] += s.caseParts[j];
        if (s.treasuryParts != 0)
            for (std::size_t h = 0; h < holders.size(); ++h)
                if (holders[h].treasury) {
                    parts[h] += s.treasuryParts;
                    break;
                }
        m_caseParts.push_back(parts);
    }
    if (money) {
        std::vector<estate::Claimant> claimants;
        std::vector<std::size_t> whose;
        for (std::size_t h = 0; h < holders.size(); ++h) {
            if (m_result.shares[h].isZero())
                continue;
            const Rational each = m_result.shares[h] / Rational(holders[h].count);
            claimants.push_back({each.num, each.den, holders[h].count});
            whose.push_back(h);
        }
        const estate::Result r = estate::divide(*money, claimants);
        if (r.error == estate::Error::None) {
            m_amounts.assign(holders.size(), QString());
            for (std::size_t k = 0; k < whose.size(); ++k)
                m_amounts[whose[k]] = QString::fromStdString(estate::formatMinor(r.groups[k].total, money->decimals));
        }
    }
    m_steps = report::chainSteps(m_result, m_deceasedNames, m_holderNames, language);
    endResetModel();
}

int DeathsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_result.steps.empty() ? 0 : HeadRows + int(m_result.holders.size());
}

int DeathsModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_result.steps.empty())
        return 0;
    return (m_amounts.empty() ? percentColumn() : amountColumn()) + 1;
}

QString DeathsModel::cell(int row, int column) const
{
    const auto steps = int(m_result.steps.size());
    const auto number = [](std::int64_t n) { return n ? QString::number(n) : QString(); };
    if (row == BaseRow) {
        if (column == 0)
            return deathsCaption("rowBase", m_language);
        if (column == finalColumn())
            return QString::number(m_result.reducedBase);
        for (int d = 0; d < steps; ++d) {
            if (column == caseColumn(d))
                return QString::number(m_result.steps[std::size_t(d)].base);
            if (column == combinedColumn(d))
                return QString::number(m_result.steps[std::size_t(d)].combinedBase);
        }
        return {};
    }
    if (row == DeceasedRow) {
        if (column == 0)
            return deathsCaption("rowDeceased", m_language);
        for (int d = 1; d < steps; ++d) {
            const engine::ChainStep &s = m_result.steps[std::size_t(d)];
            const char *keys[] = {"", "rel.nothing", "rel.divisible", "rel.agreement", "rel.prime", "rel.shortcut"};
            if (column == caseColumn(d)) {
                const QString text = deathsCaption(keys[int(s.relation)], m_language).arg(s.deceasedParts);
                return s.relation == engine::Relation::Agreement ? text.arg(s.factor) : text;
            }
            if (column == combinedColumn(d) && (s.relation == engine::Relation::Agreement
                                                || s.relation == engine::Relation::Prime
                                                || s.relation == engine::Relation::Divisible))
                return deathsCaption("multipliers", m_language).arg(s.multiplier).arg(s.caseMultiplier);
        }
        return {};
    }
    const auto h = std::size_t(row - HeadRows);
    if (h >= m_result.holders.size())
        return {};
    if (column == 0) {
        const int died = m_result.holders[h].diedAt;
        QString name = m_holderNames[h];
        if (name.startsWith(QLatin1String("the ")))
            name = name.mid(4);
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        return died > 0 ? deathsCaption("died", m_language).arg(name).arg(died + 1) : name;
    }
    if (column == finalColumn())
        return number(m_result.finalParts[h]);
    if (column == fractionColumn())
        return m_result.shares[h].isZero() ? QString() : shareText(m_result.shares[h]);
    if (column == percentColumn())
        return m_result.shares[h].isZero() ? QString() : percentText(m_result.shares[h]);
    if (column == amountColumn())
        return m_amounts[h];
    for (int d = 0; d < steps; ++d) {
        if (column == caseColumn(d))
            return number(m_caseParts[std::size_t(d)][h]);
        if (column == combinedColumn(d))
            return number(m_result.steps[std::size_t(d)].parts[h]);
    }
    return {};
}

QVariant DeathsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return int(Qt::AlignCenter);
    if (role == Qt::FontRole && index.row() < HeadRows) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

QVariant DeathsModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || m_result.steps.empty())
        return {};
    if (section == 0)
        return deathsCaption("colHeir", m_language);
    if (section == finalColumn())
        return deathsCaption("colFinal", m_language);
    if (section == fractionColumn())
        return deathsCaption("colFraction", m_language);
    if (section == percentColumn())
        return deathsCaption("colPercent", m_language);
    if (section == amountColumn())
        return deathsCaption("colAmount", m_language);
    for (int d = 0; d < int(m_result.steps.size()); ++d) {
        if (section == caseColumn(d))
            return deathsCaption("colCase", m_language).arg(d + 1).arg(m_deceasedNames[std::size_t(d)]);
        if (section == combinedColumn(d))
            return deathsCaption("colCombined", m_language).arg(d + 1);
    }
    return {};
}

} // namespace details
