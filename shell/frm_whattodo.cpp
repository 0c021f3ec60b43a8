// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_whattodo.h"

#include "case/case_record.h"
#include "shell/frm_inherence.h"
#include "shell/shell_layouts.h"
#include "ui/app_icon.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/program_end.h"
#include "ui/widgets.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString Name = windows::AfterResults;

} // namespace

frmwhattodo::frmwhattodo(QWidget *parent)
    : QDialog(parent)
{
    using namespace widgets;
    setObjectName(Name);
    setWindowIcon(appicon::icon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(fonts::design(QStringLiteral("Arial"), 12));

    QLabel *question = label(this, QStringLiteral("Label1"), fonts::design(QStringLiteral("Arial"), 14.25));
    setTextColour(question, QColor(192, 0, 0));
    const QFont buttonFont = fonts::design(QStringLiteral("Simplified Arabic"), 14.25);
    QPushButton *another = button(this, QStringLiteral("Command1"), buttonFont, Teal);
    QPushButton *exit = button(this, QStringLiteral("Command2"), buttonFont, Teal);
    QPushButton *cancel = button(this, QStringLiteral("Command3"), buttonFont, Teal);
    connect(another, &QPushButton::clicked, this, &frmwhattodo::anotherCalculation);
    connect(exit, &QPushButton::clicked, this, &frmwhattodo::exitProgram);
    connect(cancel, &QPushButton::clicked, this, &frmwhattodo::reject);

    captions::apply(this, Name, Language::Arabic);
    load();
}

void frmwhattodo::load()
{
    const QFont questionFont = fonts::design(QStringLiteral("Times New Roman"), 14);
    const layout::Rects rects = layout::afterResults(geom::screenTwips());

    // Every window of the case goes, and starts afresh when next opened.
    ui::discardCaseWindows();

    geom::placeAll(this, rects);

    ClearShares(theCase());

    const Language lang = language::current();
    language::applyDirection(this, lang);
    if (lang == Language::English) {
        captions::apply(this, Name, Language::English);
        findChild<QLabel *>(QStringLiteral("Label1"))->setFont(questionFont);
    }
}

void frmwhattodo::anotherCalculation()
{
    close();
    caseaccess::forgetFinishedCase();
    caseaccess::beginNewCase();
    ui::showModal(windows::DeceasedEntry);
}

void frmwhattodo::exitProgram()
{
    if (program::mayEnd(this))
        program::end();
}

void frmwhattodo::reject()
{
    close();
    backToStart();
}

void frmwhattodo::backToStart()
{
    // The case is over: the main window shows its start screen again.
    if (auto *main = qobject_cast<frmInherence *>(ui::loadedWindow(windows::Main)))
        main->showStartScreen();
}

void frmwhattodo::closeEvent(QCloseEvent *event)
{
    // The window lives from its opening to the choice: the next opening
    // runs its load step again.
    event->accept();
    if (event->spontaneous())
        backToStart();
    ui::discard(objectName());
}
