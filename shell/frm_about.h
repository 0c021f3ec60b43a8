// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QDialog>

// The about box: title, version, credit, and the system-information viewer.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // "Version 2.0.35" in the language.
    static QString versionText(Language lang);

public slots:
    void ok();         // cmdOK
    void systemInfo(); // cmdSysInfo
    void reject() override; // Escape presses OK

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void load();
};
