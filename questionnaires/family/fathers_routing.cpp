// SPDX-License-Identifier: GPL-3.0-or-later
// Where the family questionnaire's ending answers lead: the calculation, the
// method window or the collateral questionnaire.
#include "questionnaires/family/frm_fathers.h"

#include "case/case_record.h"
#include "questionnaires/recalculation.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QPointer>

bool frmFathers::askGrandFatherMethod()
{
    const QPointer<frmFathers> self(this);
    const QPointer<QWidget> method = ui::window(windows::Method);
    ui::showModal(windows::Method);
    // Closing the method window through its title bar stops the whole case.
    return self && method && ui::loadedWindow(windows::Method) == method
           && ui::loadedWindow(windows::Family) == self;
}

bool frmFathers::secondMethodChosen() const
{
    // The method window leaves its answer in the record: the first method
    // puts the grandfather in the father's place.
    return theCase().GrandFatherAsFather == 0;
}

void frmFathers::marriageAndChildrenRouting()
{
    CaseRecord &c = theCase();
    const QString collaterals = windows::Collateral;
    if (c.FatherAlive != 0) {
        // Excluded siblings still reduce the mother's share: count them.
        if (c.MotherAlive == 1)
            ui::showModeless(collaterals);
        else
            RecalculateFromFamily();
        return;
    }
    if (c.GrandFatherAlive != 0) {
        if (!askGrandFatherMethod())
            return;
        // The first method puts the grandfather in the father's place, so
        // it continues as the father's path does.
        if (secondMethodChosen() || (c.FatherAlive == 1 && c.MotherAlive == 1)) {
            ui::showModeless(collaterals);
            return;
        }
        if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
            RecalculateFromFamily();
        return;
    }
    ui::showModeless(collaterals);
}

void frmFathers::descendantRouting()
{
    CaseRecord &c = theCase();
    // With no descendant at all the siblings matter as after "no children".
    if (c.SonCount == 0 && c.DaughterCount == 0 && c.SonsSonCount == 0
        && c.SonsDaughterCount == 0 && c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount == 0) {
        marriageAndChildrenRouting();
        return;
    }
    const QString collaterals = windows::Collateral;
    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1) {
        if (c.GrandFatherAlive == 0) {
            RecalculateFromFamily();
            return;
        }
        if (!askGrandFatherMethod())
            return;
        if (!secondMethodChosen()) {
            RecalculateFromFamily();
            return;
        }
        // The collateral questionnaire runs the distribution itself.
        ui::showModal(collaterals);
        return;
    }
    ui::showModal(collaterals);
}
