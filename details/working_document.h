// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QString>
#include <QStringList>

class AmountsModel;
class QPrinter;
class QTextDocument;
class WorkingModel;
namespace details::tree { class TreeModel; }

// The document of the working: an A4 page (or more) in the case's language
// with the deceased, the family, the working table, who receives nothing
// and why, the steps and, when an estate was entered, the amounts.
namespace details::document {

// A table of texts with a heading and lines under it.
struct TextTable
{
    QString title;
    QStringList header;
    QList<QStringList> rows;
    QStringList notes;
    int rowCount() const { return int(rows.size()); }
    QString text(int row, int column) const { return rows.value(row).value(column); }
    QString headerText(int column) const { return header.value(column); }
};

struct Parts
{
    Language language = Language::Arabic;
    QString title;
    QStringList particulars;     // name, sex, date: "label: value"
    QStringList family;          // "relative: count"
    QString workingTitle;
    const WorkingModel *working = nullptr;
    QString otherTitle;          // the other grandfather method, where it applies
    const WorkingModel *other = nullptr;
    QString excludedTitle;
    QStringList excluded;
    QString stepsTitle;
    QStringList steps;
    QString amountsTitle;
    QStringList amountsSummary;
    const AmountsModel *amounts = nullptr;   // nullptr: no estate entered
    const tree::TreeModel *tree = nullptr;   // the family as a tree, and the chart when `chart`
    bool chart = false;
    QList<TextTable> tables;     // after the amounts: the family by path, the schools side by side
};

QString html(const Parts &parts);
// The document laid out for the printer's page.
void build(QTextDocument &doc, const Parts &parts);
// Prints the document; false when the printer could not be opened or
// reported an error.
bool print(const Parts &parts, QPrinter &printer);

} // namespace details::document
