// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_registry.h"

class QPushButton;
class QRadioButton;

// The method window: whether the deceased's siblings inherit beside the
// grandfather. The confirm button records the choice and hides the window;
// it stays disabled until a method is chosen.
class frmJadd : public CaseDialog
{
    Q_OBJECT
public:
    explicit frmJadd(QWidget *parent = nullptr);

private:
    void optLikeFather_Click();
    void optUnlikeFather_Click();
    void cmdJadd_Click();

    QRadioButton *m_likeFather = nullptr;
    QRadioButton *m_unlikeFather = nullptr;
    QPushButton *m_confirm = nullptr;
};
