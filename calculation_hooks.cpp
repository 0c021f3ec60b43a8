// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "case/case_record.h"
#include "report/composition.h"
#include "ui/case_access.h"
#include "ui/window_registry.h"

#include <QMessageBox>

namespace app {

void installCalculationHooks()
{
    CalculationHooks &hooks = calculationHooks();
    hooks.noHeirsNotice = [](const CaseRecord &c) {
        QMessageBox box(QMessageBox::Information, report::noHeirsTitle(c.Language),
                        report::noHeirsText(c.Language), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("noHeirsNotice"));
        box.exec();
    };
    hooks.openResults = [](const CaseRecord &) {
        ui::showModeless(QStringLiteral("Results"));
        // As the results window leaves the record: the print entry's case.
        caseaccess::recordFinishedCase();
    };
}

} // namespace app
