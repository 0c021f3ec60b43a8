// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/case_access.h"

#include "case/case_record.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

namespace caseaccess {
namespace {

QAction *printEntry()
{
    QWidget *main = ui::loadedWindow(windows::Main);
    return main ? main->findChild<QAction *>(QStringLiteral("mnuPrint")) : nullptr;
}

PrintReport &printSlot()
{
    static PrintReport print;
    return print;
}

CaseDetails &detailsSlot()
{
    static CaseDetails entries;
    return entries;
}

std::optional<FinishedCase> &finishedSlot()
{
    static std::optional<FinishedCase> finished;
    return finished;
}

} // namespace

void setCaseDetails(CaseDetails entries)
{
    detailsSlot() = std::move(entries);
}

const CaseDetails &caseDetails()
{
    return detailsSlot();
}

void setPrintEntryEnabled(bool enabled)
{
    if (QAction *a = printEntry())
        a->setEnabled(enabled);
}

bool printEntryEnabled()
{
    QAction *a = printEntry();
    return a && a->isEnabled();
}

void setPrintReport(PrintReport print)
{
    printSlot() = std::move(print);
}

void printReport(QWidget *parent)
{
    if (printSlot())
        printSlot()(parent);
}

void recordFinishedCase()
{
    finishedSlot() = FinishedCase{theCase(), deceasedName(), QDate::currentDate()};
    setPrintEntryEnabled(true);
}

void forgetFinishedCase()
{
    finishedSlot().reset();
    setPrintEntryEnabled(false);
}

const std::optional<FinishedCase> &finishedCase()
{
    return finishedSlot();
}

namespace {

struct Deceased
{
    QString name;
    bool woman = false;
    const void *owner = nullptr;
};

Deceased &deceased()
{
    static Deceased d;
    return d;
}

} // namespace

void setDeceased(const QString &name, bool woman, const void *owner)
{
    deceased() = Deceased{name, woman, owner};
}

void clearDeceased(const void *owner)
{
    if (deceased().owner == owner)
        deceased() = Deceased{};
}

QString deceasedName()
{
    return deceased().name;
}

bool deceasedIsWoman()
{
    return deceased().woman;
}

void beginNewCase()
{
    CaseRecord &c = theCase();
    const auto language = c.Language;
    c = CaseRecord{};
    c.Language = language;
}

} // namespace caseaccess
