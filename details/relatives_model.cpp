// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/relatives_model.h"

#include "details/estimates_model.h"
#include "details/working_model.h"
#include "report/path_working_text.h"
#include "report/relative_names.h"
#include "ui/captions.h"

#include <QBrush>
#include <QPalette>

namespace details {

std::optional<Path> pathOfSteps(const std::vector<PathStep> &steps)
{
    if (steps.empty() || int(steps.size()) > MaxPathLength)
        return std::nullopt;
    std::string text;
    for (PathStep s : steps) {
        if (!text.empty())
            text += '.';
        text += stepWord(s);
    }
    return Path::parse(text);
}

std::vector<PathStep> nextSteps(const std::vector<PathStep> &prefix)
{
    // Every prefix of a path the grammar takes is itself one it takes, so a
    // step is offered exactly when the longer chain is a path.
    std::vector<PathStep> out;
    auto steps = prefix;
    steps.push_back(PathStep::Father);
    for (int k = 0; k < PathStepCount; ++k) {
        steps.back() = PathStep(k);
        if (pathOfSteps(steps))
            out.push_back(PathStep(k));
    }
    return out;
}

QString shareText(const Rational &share)
{
    return fractionText(share, false);
}

QString relativesCaption(const char *key, Language language)
{
    return captions::text(RelativesCaptions, QLatin1String(key), language);
}

QString percentText(const Rational &share)
{
    return QString::number(share.toDouble() * 100.0, 'f', 2);
}

void RelativesModel::setFamily(const engine::Family &family, int editorRows, const engine::Result &result)
{
    beginResetModel();
    m_family = family;
    m_editorRows = editorRows;
    m_result = result;
    if (m_now.size() != family.members.size() + m_uncertain.size())
        m_now.clear();   // until the estimates of this family are set
    endResetModel();
}

void RelativesModel::setLanguage(Language language)
{
    beginResetModel();
    m_language = language;
    endResetModel();
}

int RelativesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_family.members.size() + m_uncertain.size());
}

int RelativesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RelativesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (!m_now.empty() || uncertainOf(index.row()) >= 0)
        return paidNowData(index, role);
    const auto &m = m_family.members[std::size_t(index.row())];
    const engine::MemberResult *r = std::size_t(index.row()) < m_result.members.size()
            ? &m_result.members[std::size_t(index.row())] : nullptr;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case Name:
            return report::relativeName(m.path, m_language, m.count);
        case Count:
            return m.count;
        case Share:
            return r ? shareText(r->share) : QString();
        case Percent:
            return r ? percentText(r->share) : QString();
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole && index.column() == Name) {
        // Why the share, or why nothing and who decided it.
        QString why;
        if (r) {
            why = r->share.isZero() ? report::pathExclusionSentence(m_family, m_result, index.row(), m_language)
                                    : report::pathShareSentence(m_family, m_result, index.row(), m_language);
        }
        const QString path = QString::fromStdString(m.path.text());
        return why.isEmpty() ? path : why + QLatin1Char('\n') + path;
    }
    if (role == Qt::ForegroundRole && r && r->share.isZero())
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    return {};
}

QVariant RelativesModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == Share && !m_now.empty())
        return estimatesCaption("colPaid", m_language);
    static const char *const keys[] = {"colRelative", "colCount", "colShare", "colPercent"};
    return section >= 0 && section < ColumnCount ? relativesCaption(keys[section], m_language) : QVariant();
}

Qt::ItemFlags RelativesModel::flags(const QModelIndex &index) const
{
    auto f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Count && !fromEditor(index.row())
        && (m_editableRows < 0 || index.row() < m_editableRows) && uncertainOf(index.row()) < 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RelativesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    bool ok = false;
    const int n = value.toInt(&ok);
    const auto &m = m_family.members[std::size_t(index.row())];
    if (!ok || n < 0 || n > engine::maximumCount(m.path))
        return false;
    emit countEdited(index.row(), n);
    return true;
}

void RelativesModel::setUncertain(const std::vector<engine::UncertainPerson> &persons, const std::vector<Rational> &now)
{
    beginResetModel();
    m_uncertain = persons;
    m_now = now.size() == m_family.members.size() + persons.size() ? now : std::vector<Rational>();
    endResetModel();
}

int RelativesModel::uncertainOf(int row) const
{
    const int k = row - int(m_family.members.size());
    return k >= 0 && std::size_t(k) < m_uncertain.size() ? k : -1;
}

QVariant RelativesModel::paidNowData(const QModelIndex &index, int role) const
{
    // With someone uncertain the shares are what is paid now; the estimates
    // page has the rest.
    const int u = uncertainOf(index.row());
    const bool paid = !m_now.empty();   // not when the estimates cannot be worked out
    const Rational now = paid ? m_now[std::size_t(index.row())] : Rational();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case Name:
            return u >= 0 ? uncertainName(m_uncertain[std::size_t(u)], m_language)
                          : report::relativeName(m_family.members[std::size_t(index.row())].path, m_language,
                                                 m_family.members[std::size_t(index.row())].count);
        case Count:
            return u >= 0 ? m_uncertain[std::size_t(u)].count : m_family.members[std::size_t(index.row())].count;
        case Share:
            return paid ? shareText(now) : QString();
        case Percent:
            return paid ? percentText(now) : QString();
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole && paid)
        return estimatesCaption("paidTip", m_language);
    if (role == Qt::ForegroundRole && paid && now.isZero())
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    return {};
}

} // namespace details
