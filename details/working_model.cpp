// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/working_model.h"
#include "ui/window_names.h"

#include "report/composition.h"
#include "report/working_text.h"
#include "ui/captions.h"

#include <QFont>

namespace details {

QString fractionText(const Rational &r, bool isolate)
{
    QString t = r.isWhole() ? QString::number(r.num) : QStringLiteral("%1/%2").arg(r.num).arg(r.den);
    if (isolate)
        t = QChar(0x2066) + t + QChar(0x2069);
    return t;
}

QString groupLabel(Heir h, int heads, Language language)
{
    QString name = report::groupName(h, heads, language);
    if (language == Language::English && name.startsWith(QLatin1String("the ")))
        name = name.mid(4);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString caption(const char *key, Language language)
{
    return captions::text(windows::CaseDetails, QLatin1String(key), language);
}

} // namespace details

using details::caption;
using details::fractionText;

namespace {

QString percentOf(const CaseRecord &c, Heir h)
{
    return report::percentageText(report::rowValue(c, int(h) + 1)).simplified();
}

} // namespace

WorkingModel::WorkingModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void WorkingModel::setWorking(const CaseWorking &w, Language language)
{
    beginResetModel();
    m_working = w;
    m_working.otherMethod.reset();
    m_language = language;
    m_returnedFixed = 0;
    try {
        for (const GroupWorking &g : m_working.groups)
            if (g.returned)
                m_returnedFixed = m_returnedFixed + g.fixed;
    } catch (const std::exception &) {
        m_returnedFixed = 0;
    }
    endResetModel();
}

int WorkingModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_working.groups.empty())
        return 0;
    return groupRows() + 1;
}

int WorkingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString WorkingModel::groupText(const GroupWorking &g, int column) const
{
    const bool isolate = m_language == Language::Arabic;
    try {
        switch (column) {
        case Heir:
            return details::groupLabel(g.heir, g.heads, m_language);
        case Count:
            return QString::number(g.heads);
        case Nominal: {
            const QString name = report::portionName(nominalPortion(g.rule, g.fixed), m_language);
            const QString ref = report::ruleReference(g.rule);
            return ref.isEmpty() ? name : name + QStringLiteral(" (") + ref + QLatin1Char(')');
        }
        case Base: {
            // Parts of the base before any 'awl or return: the fixed share,
            // or what a residuary takes.
            const Rational share = g.fixed.isZero() ? g.share : g.fixed;
            return fractionText(share * Rational(m_working.base), isolate);
        }
        case AwlOrReturn:
            if (m_working.awlBase != 0)
                return fractionText(g.fixed * Rational(m_working.base), isolate);
            if (m_working.returnBase != 0 && g.returned && !m_returnedFixed.isZero())
                return fractionText(g.fixed / m_returnedFixed * Rational(m_working.returnBase), isolate);
            return QStringLiteral("—");
        case Corrected:
            return QString::number(g.parts);
        case EachHead:
            return QString::number(g.partsEach);
        case Percent:
            return percentOf(m_working.record, g.heir);
        case Shares:
            return QString::number(report::sharesOf2400(report::rowValue(m_working.record, int(g.heir) + 1)));
        }
    } catch (const std::exception &) {
        return QStringLiteral("—");
    }
    return {};
}

QString WorkingModel::totalText(int column) const
{
    switch (column) {
    case Heir:
        return caption("total", m_language);
    case Count: {
        int heads = 0;
        for (const GroupWorking &g : m_working.groups)
            heads += g.heads;
        return QString::number(heads);
    }
    case Base:
        return QString::number(m_working.base);
    case AwlOrReturn:
        if (m_working.awlBase != 0)
            return QString::number(m_working.awlBase);
        return m_working.returnBase != 0 ? QString::number(m_working.returnBase) : QStringLiteral("—");
    case Corrected:
        return QString::number(m_working.correctedBase);
    case Percent:
        return report::plainNumber(100 * m_working.record.ShareTotal) + QStringLiteral(" %");
    case Shares:
        return QString::number(report::printedTotals(m_working.record).shares);
    default:
        return {};
    }
}

QString WorkingModel::text(int row, int column) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (row < groupRows())
        return groupText(m_working.groups[std::size_t(row)], column);
    return row == groupRows() ? totalText(column) : QString();
}

QString WorkingModel::header(int column) const
{
    static const char *keys[ColumnCount] = {"col.heir", "col.count", "col.nominal", "col.base", "col.awl",
                                            "col.corrected", "col.each", "col.percent", "col.shares"};
    if (column < 0 || column >= ColumnCount)
        return {};
    const char *key = keys[column];
    if (column == AwlOrReturn)
        key = m_working.returnBase != 0 ? "col.return" : "col.awl";
    return caption(key, m_language);
}

QVariant WorkingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == Heir || index.column() == Nominal ? Qt::AlignLeading | Qt::AlignVCenter
                                                                         : Qt::AlignCenter);
    if (role == Qt::FontRole && index.row() == groupRows()) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

QVariant WorkingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// ---------------------------------------------------------------------------

AmountsModel::AmountsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void AmountsModel::setAmounts(const CaseWorking &w, const estate::Result &r, int decimals, Language language)
{
    beginResetModel();
    m_rows.clear();
    m_language = language;
    if (r.error == estate::Error::None && r.groups.size() == w.groups.size()) {
        for (std::size_t k = 0; k < w.groups.size(); ++k) {
            const GroupWorking &g = w.groups[k];
            const estate::GroupAmount &a = r.groups[k];
            Row row;
            row.heir = details::groupLabel(g.heir, g.heads, language);
            row.heads = g.heads;
            row.total = QString::fromStdString(estate::formatMinor(a.total, decimals));
            row.each = QString::fromStdString(estate::formatMinor(a.each, decimals));
            if (a.headsWithOneMore > 0)
                row.each += caption("oneMore", language)
                                .arg(a.headsWithOneMore)
                                .arg(QString::fromStdString(estate::formatMinor(a.each + 1, decimals)));
            m_rows << row;
        }
    }
    endResetModel();
}

QString AmountsModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const Row &r = m_rows[row];
    switch (column) {
    case Heir: return r.heir;
    case Heads: return QString::number(r.heads);
    case Total: return r.total;
    case Each: return r.each;
    default: return {};
    }
}

QString AmountsModel::header(int column) const
{
    static const char *keys[ColumnCount] = {"col.heir", "col.count", "col.amount", "col.amountEach"};
    return column >= 0 && column < ColumnCount ? caption(keys[column], m_language) : QString();
}

int AmountsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AmountsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AmountsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == Heir ? Qt::AlignLeading | Qt::AlignVCenter : Qt::AlignCenter);
    return {};
}

QVariant AmountsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
