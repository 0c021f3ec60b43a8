// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_end.h"

#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace program {
namespace {

std::function<void()> &quitSlot()
{
    static std::function<void()> quit;
    return quit;
}

bool caseUnderWay()
{
    for (const QString &name : ui::caseWindowNames())
        if (ui::isLoaded(name))
            return true;
    return false;
}

} // namespace

bool mayEnd(QWidget *parent)
{
    const caseaccess::CaseDetails &details = caseaccess::caseDetails();
    const bool edits = details.hasUnsavedEdits && details.hasUnsavedEdits();
    if (!edits && !caseUnderWay())
        return true;
    const Language lang = language::current();
    auto text = [lang](const char *key) { return captions::text(windows::Main, QLatin1String(key), lang); };
    QMessageBox box(QMessageBox::Question, text("quit.title"), text(edits ? "quit.edits" : "quit.case"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("quitQuestion"));
    if (edits) {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
    } else {
        box.addButton(text("quit.exit"), QMessageBox::DestructiveRole)->setObjectName(QStringLiteral("quitExit"));
        box.setStandardButtons(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
    }
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked || clicked == box.button(QMessageBox::Cancel))
        return false;
    if (clicked == box.button(QMessageBox::Save))
        return details.saveEdits && details.saveEdits();
    return true;
}

void end()
{
    ui::discardCaseWindows();
    QApplication::closeAllWindows();
    if (quitSlot())
        quitSlot()();
    else
        QApplication::quit(); // also leaves every nested modal loop
}

void setQuitFunction(std::function<void()> quit)
{
    quitSlot() = std::move(quit);
}

} // namespace program
