// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The choice after a case: another calculation, leave the program, or back
// to the main window. Opening it ends the case.
class frmwhattodo : public QDialog
{
    Q_OBJECT
public:
    explicit frmwhattodo(QWidget *parent = nullptr);

public slots:
    void anotherCalculation(); // Command1
    void exitProgram();        // Command2
    void reject() override;    // Command3, Escape: back to the main window

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load();
    void backToStart();
};
