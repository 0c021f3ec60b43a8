// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The case window's page of relatives and schools: a relative of any
// degree added step by step (the father, then his father, then his full
// brother...), the whole family by composed names with counts and shares,
// the profile and single views the case is worked under, the views this
// case depends on, and the schools side by side.

#include "case/case_fields.h"
#include "details/estimates_model.h"
#include "details/relatives_model.h"
#include "case/engine/obligatory_bequest.h"
#include "details/schools_compare.h"

#include <QWidget>

class BequestPanel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTextBrowser;

class RelativesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit RelativesPanel(QWidget *parent = nullptr);

    // The relatives of the family editor beside, and the method chosen there.
    void setEditorFamily(const engine::Family &family);
    // The net estate to divide, or a negative number when none is given.
    void setEstate(double estate);
    // The deceased's own bequest, as a part of what costs and debts leave,
    // with the heirs' consent, and that amount (negative when none is
    // given): beside children who died before, the obligatory bequest comes
    // first and the amounts are of the whole.
    void setOwnBequest(const Rational &part, bool consent, double net);
    void setLanguage(Language language);

    // What a case file keeps of this page.
    const std::vector<engine::Member> &addedRelatives() const { return m_added; }
    Profile profile() const { return m_profile; }
    const Views &views() const { return m_views; }
    void setAdded(const std::vector<engine::Member> &added);
    void setProfile(Profile p, const Views &views);

    // The whole family with the views it is worked under.
    engine::Family family() const;
    // Whether the shares differ in kind from the family editor's working:
    // relatives beyond it, or views other than the program's.
    bool beyondEditor() const;
    const engine::Result &result() const { return m_result; }
    std::vector<View> dependsOn() const { return m_depends; }
    QStringList differences() const { return m_differences; }
    // The working over paths in words: every share, the bases, 'awl or return.
    QStringList pathWorking() const { return m_pathWorking; }
    // "Profile: ..." with any view changed from it, as the document says it.
    QString profileLine() const;
    // Whether the user asks for the schools side by side in the document.
    bool printCompare() const;

    details::RelativesModel *relativesModel() const { return m_relatives; }
    details::SchoolsModel *schoolsModel() const { return m_schools; }
    // The relative being built, as steps.
    const std::vector<PathStep> &steps() const { return m_steps; }

    // The profile stored in the settings for new cases.
    static Profile storedProfile();

    // The children who died before the deceased (the page of the obligatory
    // bequest), and the case worked out with them.
    const std::vector<engine::Predeceased> &predeceased() const;
    void setPredeceased(const std::vector<engine::Predeceased> &predeceased);
    const engine::BequestResult &bequestResult() const { return m_bequest; }
    BequestPanel *bequestPage() const { return m_bequestPage; }

signals:
    void familyChanged();
    // The user chose a profile or a single view.
    void profileChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    QWidget *buildFamilyPage();
    QWidget *buildViewsPage();
    QWidget *buildComparePage();
    void showSteps();
    void takeStep(int k);
    void stepBack();
    void addRelative();
    void removeRelative();
    void editCount(int row, int count);
    void chooseProfile(int index);
    void chooseView(View v, int index);
    void showViews();
    void recompute();

    Language m_language = Language::Arabic;
    bool m_updating = false;
    engine::Family m_editor;
    std::vector<engine::Member> m_added;
    Profile m_profile = Profile::Program;
    Views m_views;
    double m_estate = -1.0;
    Rational m_ownBequest;
    bool m_ownBequestConsent = false;
    double m_net = -1.0;
    std::vector<PathStep> m_steps;
    std::vector<PathStep> m_offered;
    engine::Result m_result;
    std::vector<View> m_depends;
    QStringList m_differences;
    QStringList m_pathWorking;

    details::RelativesModel *m_relatives = nullptr;
    details::SchoolsModel *m_schools = nullptr;
    QComboBox *m_profileBox = nullptr;
    QTabWidget *m_pages = nullptr;
    QGroupBox *m_viewsBox = nullptr;
    std::vector<QComboBox *> m_viewBoxes;
    std::vector<QLabel *> m_viewLabels;
    std::vector<QLabel *> m_viewNotes;
    QLabel *m_depend = nullptr;
    QLabel *m_pathName = nullptr;
    QListWidget *m_stepList = nullptr;
    QPushButton *m_back = nullptr;
    QSpinBox *m_count = nullptr;
    QPushButton *m_add = nullptr;
    QLabel *m_addMessage = nullptr;
    QTableView *m_relativesTable = nullptr;
    QPushButton *m_remove = nullptr;
    QTextBrowser *m_workingText = nullptr;
    QTableView *m_compareTable = nullptr;
    QTextBrowser *m_differencesText = nullptr;
    QCheckBox *m_printCompare = nullptr;

    // The obligatory bequest (relatives_panel_bequest.cpp).
    QWidget *buildBequestPage();
    void workBequest(const engine::Family &f);
    BequestPanel *m_bequestPage = nullptr;
    engine::BequestResult m_bequest;
    // Persons whose state is unknown and the estimates of the case
    // (relatives_panel_estimates.cpp).
public:
    const std::vector<engine::UncertainPerson> &uncertainPersons() const { return m_uncertain; }
    void setUncertain(const std::vector<engine::UncertainPerson> &persons);
    // The family with them, as the estimates work it out.
    engine::UncertainFamily uncertainFamily() const;
    const engine::EstimatesResult &estimates() const { return m_estimatesModel->result(); }
    details::EstimatesModel *estimatesModel() const { return m_estimatesModel; }
    // The estimates' working in words (empty without anyone uncertain).
    QStringList estimatesWorking() const { return m_estimatesWorking; }

private:
    void buildUncertainRow(QWidget *box, class QVBoxLayout *layout);
    QWidget *buildEstimatesPage();
    void languageOfEstimates();
    void showHope();
    void addUncertain();
    bool removeUncertain(int row);
    void showEstimates();

    std::vector<engine::UncertainPerson> m_uncertain;
    QStringList m_estimatesWorking;
    details::EstimatesModel *m_estimatesModel = nullptr;
    QComboBox *m_uncertainState = nullptr;
    QCheckBox *m_clarityHoped = nullptr;
    QPushButton *m_addUncertain = nullptr;
    QWidget *m_estimatesPage = nullptr;
    QLabel *m_estimatesSummary = nullptr;
    QTableView *m_estimatesTable = nullptr;
    QTextBrowser *m_estimatesText = nullptr;
};
