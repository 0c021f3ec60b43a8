// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "case/case_record.h"
#include "details/register_details.h"
#include "report/composition.h"
#include "ui/window_names.h"
#include "ui/case_access.h"
#include "ui/window_registry.h"

#include <QMessageBox>

namespace app {

void installCalculationHooks()
{
    CalculationHooks &hooks = calculationHooks();
    hooks.noHeirsNotice = [](const CaseRecord &c) {
        QMessageBox box(QMessageBox::Information, report::noHeirsTitle(languageOf(c)),
                        report::noHeirsText(languageOf(c)), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("noHeirsNotice"));
        box.exec();
    };
    hooks.openResults = [](const CaseRecord &c) {
        details::noteCalculatedCase(c);
        ui::showModeless(windows::Results);
        // As the results window leaves the record: the print entry's case.
        caseaccess::recordFinishedCase();
    };
}

} // namespace app
