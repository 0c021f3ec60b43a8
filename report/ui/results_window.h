// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "ui/window_registry.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// The results window: the report lines of the case, composed once when the
// window loads, a print button and a finish button.
class Results : public CaseDialog
{
    Q_OBJECT
public:
    explicit Results(QWidget *parent = nullptr);

    // Lines shown (the next-slot counter).
    int lineCount() const { return m_nextSlot; }

private:
    void buildDesign();
    void hideLines();
    void presentEnglish();
    void composeLines();
    void fitLines();
    void fitLineLabel(QLabel *label, int slot);
    void fitHeading();
    void ensureSlot(int slot);
    void presentSlot(int slot, Language language);
    void onFinish();
    void onPrint();

    Language m_language = Language::Arabic;
    int m_nextSlot = 0;
    QList<QLabel *> m_labels;
    QList<QLineEdit *> m_values;
    QScrollArea *m_lineArea = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_finish = nullptr;
    QPushButton *m_details = nullptr;
};
