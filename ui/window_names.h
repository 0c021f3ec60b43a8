// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name of every window: its key in the window registry, its objectName
// and the name of its caption table (resources/captions/<name>.json).
namespace windows {

// frmInherence: the main window, the language choice, the start of every case and the menus.
inline const QString Main = QStringLiteral("frmInherence");
// Inheretence: the deceased entry, name and sex of the deceased; the first window of a case.
inline const QString DeceasedEntry = QStringLiteral("Inheretence");
// frmFathers: the family questionnaire (parents, grandparents, marriage, descendants).
inline const QString Family = QStringLiteral("frmFathers");
// frmJadd: the method window, whether the siblings inherit beside the grandfather.
inline const QString Method = QStringLiteral("frmJadd");
// frmBrothers: the collateral questionnaire (siblings, brothers' sons, uncles and their sons).
inline const QString Collateral = QStringLiteral("frmBrothers");
// Results: the results window, the report lines of the case and the print button.
inline const QString Results = QStringLiteral("Results");
// frmwhattodo: the after-results window, another calculation, leave, or back to the main window.
inline const QString AfterResults = QStringLiteral("frmwhattodo");
// frmAbout: the about box, version, credit and the system-information viewer.
inline const QString About = QStringLiteral("frmAbout");
// frmNotes: the document on the science of inheritance shares (not a case window).
inline const QString Notes = QStringLiteral("frmNotes");
// frmCase: the case details window, the working of the case, its estate in money and case files.
inline const QString CaseDetails = QStringLiteral("frmCase");
// frmGuide: the user guide of the interface's language, at a window's section (F1).
inline const QString Guide = QStringLiteral("frmGuide");
// frmScienceEn: the document on the science of inheritance in English (Help menu).
inline const QString ScienceEn = QStringLiteral("frmScienceEn");

} // namespace windows
