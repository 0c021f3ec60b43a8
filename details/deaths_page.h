// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The case window's page of later deaths (al-munasakhat): heirs who died
// before the estate was divided, in order. For each, who of the holders
// died and his relatives, built step by step from him as on the relatives
// page, each a new person or someone already in the case; under them the
// classical table of the combined base and the steps in words.

#include "case/case_fields.h"
#include "details/deaths_model.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;
class QTextBrowser;

class DeathsPage : public QWidget
{
    Q_OBJECT
public:
    explicit DeathsPage(QWidget *parent = nullptr);

    // The first deceased's family, the later deaths and the estate to
    // divide (none when not given).
    void setCase(const engine::Family &first, const std::vector<details::LaterDeath> &later,
                 const std::optional<estate::Input> &money);
    void setLanguage(Language language);

    const std::vector<details::LaterDeath> &deaths() const { return m_later; }
    details::DeathsModel *model() const { return m_model; }
    // The death being edited (1 for the first later death), 0 for none.
    int currentDeath() const { return m_current; }

signals:
    // The user changed the later deaths.
    void deathsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void showDeaths();
    void showDeath();
    void showSteps();
    void showSame();
    void showWorking();
    void changed();
    void addDeath();
    void removeDeath();
    void chooseDeceased(int index);
    void takeStep(int row);
    void addRelative();
    void removeRelative();
    void showRelativeCount();
    void editCount(int count);

    Language m_language = Language::Arabic;
    bool m_updating = false;
    engine::Family m_first;
    std::vector<details::LaterDeath> m_later;
    std::optional<estate::Input> m_money;
    int m_current = 0;
    std::vector<PathStep> m_steps;
    std::vector<PathStep> m_offered;
    std::vector<details::Head> m_deceasedChoices;
    std::vector<details::PersonRef> m_sameChoices;

    details::DeathsModel *m_model = nullptr;
    QListWidget *m_deathList = nullptr;
    QPushButton *m_addDeath = nullptr;
    QPushButton *m_removeDeath = nullptr;
    QWidget *m_deathBox = nullptr;
    QComboBox *m_deceased = nullptr;
    QListWidget *m_relatives = nullptr;
    QPushButton *m_removeRelative = nullptr;
    QSpinBox *m_relativeCount = nullptr;   // the chosen relative's count, edited in place
    QLabel *m_pathName = nullptr;
    QListWidget *m_stepList = nullptr;
    QPushButton *m_back = nullptr;
    QSpinBox *m_count = nullptr;
    QComboBox *m_same = nullptr;
    QPushButton *m_add = nullptr;
    QLabel *m_error = nullptr;
    QTableView *m_table = nullptr;
    QTextBrowser *m_stepsText = nullptr;
};
