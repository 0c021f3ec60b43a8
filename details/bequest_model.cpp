// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/bequest_model.h"

#include "details/relatives_model.h"
#include "report/bequest_working_text.h"
#include "report/relative_names.h"
#include "ui/captions.h"

#include <QBrush>
#include <QPalette>

#include <algorithm>

namespace details {

QString bequestCaption(const char *key, Language language)
{
    return captions::text(BequestCaptions, QLatin1String(key), language);
}

BequestModel::BequestModel(Kind kind, QObject *parent)
    : QAbstractTableModel(parent)
    , m_kind(kind)
{
}

void BequestModel::setResult(const engine::BequestResult &result, double estate)
{
    beginResetModel();
    m_result = result;
    m_given = true;
    m_estate = estate;
    build();
    endResetModel();
}

void BequestModel::clear()
{
    beginResetModel();
    m_result = {};
    m_given = false;
    m_rows.clear();
    endResetModel();
}

void BequestModel::setLanguage(Language language)
{
    beginResetModel();
    m_language = language;
    if (m_given)
        build();
    endResetModel();
}

void BequestModel::build()
{
    m_rows.clear();
    const Language lang = m_language;
    switch (m_kind) {
    case Kind::Branches:
        for (const engine::BequestBranch &b : m_result.branches) {
            Row r;
            r.name = report::predeceasedName(b.child, lang);
            r.path = b.child;
            r.share = b.asAlive;
            r.extra[0] = b.withinThird;
            r.extra[1] = b.gifts;
            r.extra[2] = b.due;
            if (!b.entitled)
                r.note = bequestCaption("notEntitled", m_language);
            m_rows.push_back(r);
        }
        break;
    case Kind::Recipients:
        for (const engine::BequestRecipient &x : m_result.recipients) {
            Row r;
            r.name = report::relativeName(x.path, lang, x.count);
            r.path = x.path;
            r.count = x.count;
            r.share = x.share;
            r.reason = x.reason;
            static const char *const reasons[] = {"", "reason.heir", "reason.outsideTheLines", "reason.giftCovers"};
            if (x.reason != engine::BequestReason::None)
                r.note = bequestCaption(reasons[int(x.reason)], m_language).arg(shareText(x.gift));
            if (!x.gift.isZero() && x.reason == engine::BequestReason::None) {
                r.note = bequestCaption("giftCounted", m_language).arg(shareText(x.gift));
            }
            m_rows.push_back(r);
        }
        break;
    case Kind::Heirs:
        for (std::size_t i = 0; i < m_result.heirs.members.size() && i < m_result.heirShares.size(); ++i) {
            const engine::MemberResult &m = m_result.heirs.members[i];
            // A descendant who neither inherits nor is a relative of his own
            // is in the table of the bequest.
            const bool descendant = std::any_of(m_result.recipients.begin(), m_result.recipients.end(),
                                                [&](const engine::BequestRecipient &x) { return x.path == m.path; });
            if (descendant && m_result.heirShares[i].isZero())
                continue;
            Row r;
            r.name = report::relativeName(m.path, lang, m.count);
            r.path = m.path;
            r.count = m.count;
            r.share = m_result.heirShares[i];
            m_rows.push_back(r);
        }
        if (!m_result.treasury.isZero()) {
            Row r;
            r.name = bequestCaption("treasury", m_language);
            r.count = 1;
            r.share = m_result.treasury;
            r.treasury = true;
            m_rows.push_back(r);
        }
        break;
    }
}

int BequestModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BequestModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_kind == Kind::Branches ? int(BranchColumnCount) : m_kind == Kind::Heirs ? int(Note) : int(ColumnCount);
}

QVariant BequestModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &r = m_rows[std::size_t(index.row())];
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        if (m_kind == Kind::Branches) {
            switch (c) {
            case Child: return r.note.isEmpty() ? r.name : r.name + QLatin1Char('\n') + r.note;
            case AsAlive: return shareText(r.share);
            case WithinThird: return shareText(r.extra[0]);
            case Gifts: return shareText(r.extra[1]);
            case Due: return shareText(r.extra[2]);
            default: return {};
            }
        }
        switch (c) {
        case Name: return r.name;
        case Count: return r.count;
        case Share: return shareText(r.share);
        case Percent: return percentText(r.share);
        case Amount:
            return m_estate >= 0 ? QString::number(r.share.toDouble() * m_estate, 'f', 2) : QString();
        case Note: return r.note;
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole && c != 0 && !(m_kind != Kind::Branches && c == Note))
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole && c == 0)
        return QString::fromStdString(r.path.text());
    if (role == Qt::ForegroundRole && m_kind != Kind::Branches && r.share.isZero())
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    return {};
}

QVariant BequestModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    static const char *const branchKeys[] = {"colPredeceased", "colAsAlive", "colWithinThird", "colGifts", "colDue"};
    static const char *const keys[] = {"colDescendant", "colCount", "colShareOfEstate", "colPercent", "colAmount", "colNote"};
    if (m_kind == Kind::Branches)
        return bequestCaption(branchKeys[section], m_language);
    if (m_kind == Kind::Heirs && section == Name)
        return bequestCaption("colHeir", m_language);
    return bequestCaption(keys[section], m_language);
}

} // namespace details
