// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_registry.h"

class QComboBox;
class QGroupBox;

// The collateral questionnaire: siblings, brothers' sons, the father's
// brothers and their sons, asked in the order of precedence. It stops as
// soon as the answers settle who takes the residue, hides itself and runs
// the distribution.
class frmBrothers : public CaseDialog
{
    Q_OBJECT
public:
    explicit frmBrothers(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyEnglish();
    QGroupBox *frame(int question) const;
    QComboBox *list(int question) const;
    void showQuestion(int question);
    void answered(int question, int index);
    void cmdfinish_Click();
};
