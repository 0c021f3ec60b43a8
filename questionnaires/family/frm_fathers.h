// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_registry.h"

class QComboBox;
class QGroupBox;
class QRadioButton;

// The family questionnaire: parents, grandparents, marriage and descendants,
// one question revealed at a time. Every answer goes into the case record at
// once; when the answers settle the case the window hides itself and hands
// over to the calculation, the method window or the collateral questionnaire.
class frmFathers : public CaseDialog
{
    Q_OBJECT
public:
    explicit frmFathers(QWidget *parent = nullptr);

    // The questions, each by the number of the frame that asks it
    // ("Frame3" asks about the mother).
    enum class Question {
        Father = 1, GrandFather, Mother, MaternalGrandMother, ParentalGrandMother, Married, Husband,
        Sons, Daughters, SonsSons, SonsDaughters, SonsSonsSons, SonsSonsDaughters, Wives, Children
    };

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void load();
    void applyEnglish();

    QGroupBox *frame(Question q) const;
    void showFrame(Question q);
    void hideFrame(Question q);
    void hideUnanswered(Question q);
    void clearFrame(Question q);
    QRadioButton *option(const char *name) const;
    QComboBox *list(const char *name) const;

    void firstAnswerGiven();
    void optFatherYes_Click();
    void optFatherNo_Click();
    void optGrandFatherYes_Click();
    void optGrandFatherNo_Click();
    void optMotherYes_Click();
    void optMotherNo_Click();
    void optMaternalGrandMotherYes_Click();
    void optMaternalGrandMotherNo_Click();
    void optParentalGrandMotherYes_Click();
    void optParentalGrandMotherNo_Click();
    void optMarriedYes_Click();
    void optMarriedNo_Click();
    void optHusbandYes_Click();
    void optHusbandNo_Click();
    void cmbWifes_Click(int index);
    void optWithKids_Click();
    void optWithoutKids_Click();
    void cmbSons_Click(int index);
    void cmbDaughters_Click(int index);
    void cmbSonsOfSons_Click(int index);
    void cmbDaughtersOfSons_Click(int index);
    void cmbSonsSonsSons_Click(int index);
    void cmbDaughtersSonsSons_Click(int index);
    void cmdfinish_Click();

    void marriageAndChildrenRouting();
    void descendantRouting();
    // Shows the method window modally; false when the case was stopped
    // meanwhile (the method window closed through its title bar).
    bool askGrandFatherMethod();
    bool secondMethodChosen() const;
};
