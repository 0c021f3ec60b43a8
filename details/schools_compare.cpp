// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/schools_compare.h"

#include "details/relatives_model.h"
#include "report/relative_names.h"
#include "report/schools_text.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace details {

engine::Family underViews(engine::Family family, const Views &views)
{
    family.views = views;
    return family;
}

engine::Family underProfile(engine::Family family, Profile p)
{
    family.profile = p;
    family.views = profileViews(p);
    return family;
}

bool sameShares(const engine::Result &a, const engine::Result &b)
{
    if (a.members.size() != b.members.size() || a.treasury != b.treasury)
        return false;
    for (std::size_t k = 0; k < a.members.size(); ++k)
        if (a.members[k].share != b.members[k].share)
            return false;
    return true;
}

namespace {

// The views with each other value of `v` set, each with its result.
struct Alternative
{
    const char *value;
    engine::Result result;
};

std::vector<Alternative> alternatives(const engine::Family &family, const Views &views, View v)
{
    std::vector<Alternative> out;
    for (const char *value : viewValueNames(v)) {
        Views w = views;
        setView(w, v, value);
        out.push_back({value, engine::calculate(underViews(family, w))});
    }
    return out;
}

QString isolated(const QString &s)
{
    return QChar(0x2066) + s + QChar(0x2069);
}

} // namespace

std::vector<View> dependentViews(const engine::Family &family, const Views &views)
{
    std::vector<View> out;
    const engine::Result here = engine::calculate(underViews(family, views));
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        for (const auto &a : alternatives(family, views, v)) {
            if (!sameShares(a.result, here)) {
                out.push_back(v);
                break;
            }
        }
    }
    return out;
}

QStringList differenceSentences(const engine::Family &family, const Views &views, Language language)
{
    QStringList out;
    const QString sep = relativesCaption("separator", language);
    for (View v : dependentViews(family, views)) {
        const auto alts = alternatives(family, views, v);
        QStringList parts;
        for (const auto &a : alts) {
            // Only the relatives whose share some value of the view changes.
            QStringList gets;
            for (std::size_t m = 0; m < a.result.members.size(); ++m) {
                bool changes = false;
                for (const auto &b : alts)
                    changes = changes || b.result.members[m].share != a.result.members[m].share;
                if (!changes)
                    continue;
                const auto &r = a.result.members[m];
                gets << relativesCaption("takes", language)
                            .arg(report::relativeName(r.path, language, r.count),
                                 isolated(shareText(r.share)));
            }
            parts << relativesCaption("viewGives", language)
                         .arg(report::viewAttribution(v, a.value, language), gets.join(sep));
        }
        out << relativesCaption("viewSentence", language)
                   .arg(report::viewTitle(v, language), parts.join(sep));
    }
    return out;
}

void SchoolsModel::setFamily(const engine::Family &family, Profile chosen, double estate)
{
    beginResetModel();
    m_family = family;
    m_chosen = chosen;
    m_estate = estate;
    for (int p = 0; p < ProfileCount; ++p)
        m_results[std::size_t(p)] = engine::calculate(underProfile(family, Profile(p)));
    endResetModel();
}

void SchoolsModel::setLanguage(Language language)
{
    beginResetModel();
    m_language = language;
    endResetModel();
}

bool SchoolsModel::differs(int row, Profile p) const
{
    const auto &a = m_results[std::size_t(p)].members;
    const auto &b = m_results[std::size_t(m_chosen)].members;
    return std::size_t(row) < a.size() && std::size_t(row) < b.size()
            && a[std::size_t(row)].share != b[std::size_t(row)].share;
}

int SchoolsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_family.members.size());
}

int SchoolsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ProfileCount;
}

QVariant SchoolsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto p = Profile(index.column());
    const auto &r = m_results[std::size_t(p)].members[std::size_t(index.row())];
    const bool marked = differs(index.row(), p);
    switch (role) {
    case Qt::DisplayRole: {
        QString text = shareText(r.share);
        if (m_estate >= 0.0)
            text += QStringLiteral("  (%1)").arg(QString::number(r.share.toDouble() * m_estate, 'f', 2));
        return marked ? QString(QChar(DifferenceMark)) + QLatin1Char(' ') + text : text;
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole:
        if (marked || p == m_chosen) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::BackgroundRole:
        if (marked)
            return QBrush(QColor(0xff, 0xe4, 0xb5));
        return {};
    default:
        return {};
    }
}

QVariant SchoolsModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Horizontal)
        return section >= 0 && section < ProfileCount ? report::profileTitle(Profile(section), m_language) : QVariant();
    if (section < 0 || section >= rowCount())
        return {};
    const auto &m = m_family.members[std::size_t(section)];
    return report::relativeName(m.path, m_language, m.count);
}

} // namespace details
