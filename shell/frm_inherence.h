// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QMainWindow>

class QAction;
class QMenu;

// The main window: the language choice, the start of every case and the menus.
class frmInherence : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmInherence(QWidget *parent = nullptr);

    // Whether both screen dimensions are below 800 x 600 pixels.
    static bool screenTooSmall(int widthPixels, int heightPixels);

public slots:
    void chooseEnglish(); // Command3
    void chooseArabic();  // Command4
    void start();         // Command1, mnuStart
    // The banner and the start and exit buttons again, once a case has
    // ended without another starting.
    void showStartScreen();
    // Command2, mnuQuit: ends the program, asking first while a case is
    // under way or has unsaved edits.
    void exitAsked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void load();
    void showReady();

    QWidget *m_central = nullptr;
    QList<QMenu *> m_menus;
    QAction *m_quitSeparator = nullptr;
};
