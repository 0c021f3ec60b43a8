// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_registry.h"

class QLineEdit;
class QTimer;

// The deceased entry: name and sex of the deceased, the first window of a case.
class Inheretence : public CaseDialog
{
    Q_OBJECT
public:
    explicit Inheretence(QWidget *parent = nullptr);
    ~Inheretence() override;

public slots:
    void ok();           // cmdok1
    void cancel();       // Command1
    void keepKeyboard(); // Timer1

private:
    void buildControls();
    void load();

    QLineEdit *m_name = nullptr;
    QTimer *m_timer = nullptr;
};
