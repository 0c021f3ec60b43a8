// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "details/case_file.h"
#include "details/case_state.h"
#include "details/working_model.h"
#include "details/working_document.h"

#include <QDialog>
#include <QHash>

#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTextBrowser;
namespace details::tree { class FamilyTab; }
class RelativesPanel;
class DeathsPage;

// The case details window: the family of a case editable in place, its
// working, who receives nothing and why, the steps, both grandfather
// methods where the case has the choice, and the estate in money. It works
// on its own copy of the case.
class CaseWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CaseWindow(QWidget *parent = nullptr);

    void setCase(const details::CaseState &state);
    const details::CaseState &state() const { return m_state; }
    const CaseWorking &working() const { return m_working; }
    Language language() const { return m_language; }

    WorkingModel *workingModel() const { return m_model; }
    WorkingModel *otherModel() const { return m_otherModel; }
    AmountsModel *amountsModel() const { return m_amounts; }
    QStringList excludedLines() const { return m_excludedLines; }
    QStringList stepLines() const { return m_stepLines; }
    // The estate entry's error message, empty when the entries are good.
    QString estateError() const { return m_estateError; }
    // The amounts on screen (no groups when none are shown).
    const estate::Result &money() const { return m_money; }
    details::document::Parts documentParts() const;
    details::tree::FamilyTab *familyTab() const { return m_familyTab; }
    // The page of relatives of any degree, the profile and the schools.
    RelativesPanel *relativesPanel() const { return m_relativesPanel; }
    // The page of heirs who died before the division.
    DeathsPage *deathsPage() const { return m_deathsPage; }

    // Opens a case file; on a bad file a message in the current language,
    // and nothing changes. Returns whether the case was opened.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);
    // The message for a case file problem in a language.
    static QString problemText(const details::casefile::Problem &p, Language language);

    // Whether the case was changed since it was last saved, opened or set.
    bool isModified() const { return m_modified; }

public slots:
    bool save();      // asks where; whether it was saved
    void open();      // asks which
    void print();
    void saveAsPdf();

    // Whether the two grandfather methods stand one above the other (the
    // window too narrow for both tables side by side).
    bool methodsStacked() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    QWidget *buildFamily();
    QWidget *buildWorking();
    QWidget *buildEstate();
    void applyLanguage();
    void showState();
    void readFamily();
    void readEstate();
    void recompute();
    void showWorking();
    void showAmounts();
    void arrangeMethods();
    void showTree();   // case_window_tree.cpp
    // case_window_relatives.cpp
    void buildRelatives();
    void showRelatives();
    void loadRelatives();
    void keepRelatives();
    details::CaseState stateToSave() const;
    void addRelativesParts(details::document::Parts &p) const;
    void addBequestParts(details::document::Parts &p) const;
    // case_window_deaths.cpp
    void buildDeaths();
    void showDeaths();
    void addDeathsParts(details::document::Parts &p) const;
    void markEstateField(estate::Field field, const QString &message);
    QString estateErrorText(estate::Error e) const;
    QString methodTitle(int method) const;
    bool printWith(QPrinter &printer);
    // Whether the case may be saved, printed or saved as PDF with the estate
    // entries as they are: with an entry in error, printing stops with the
    // reason and saving asks.
    enum class Purpose { Save, Print, Pdf };
    bool estateReady(Purpose purpose);
    void reportFailure(const char *titleKey, const QString &text);

    Language m_language = Language::Arabic;
    bool m_updating = false;
    bool m_modified = false;
    details::CaseState m_state;
    CaseWorking m_working;
    std::optional<details::EstateEntries> m_goodEstate;   // the last entries without error
    estate::Result m_money;
    QString m_estateError;
    QStringList m_excludedLines;
    QStringList m_stepLines;
    QStringList m_summaryLines;
    QString m_explanationHtml;

    WorkingModel *m_model = nullptr;
    WorkingModel *m_otherModel = nullptr;
    AmountsModel *m_amounts = nullptr;

    QLineEdit *m_name = nullptr;
    QComboBox *m_sex = nullptr;
    QLabel *m_date = nullptr;
    QHash<int, QSpinBox *> m_counts;     // by Relative
    QHash<int, QCheckBox *> m_flags;     // by Relative
    QHash<int, QLabel *> m_relativeLabels;
    QComboBox *m_method = nullptr;
    QScrollArea *m_familyScroll = nullptr;
    QLabel *m_familyError = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_bases = nullptr;
    QGroupBox *m_chosenBox = nullptr;
    QGroupBox *m_otherBox = nullptr;
    QWidget *m_methods = nullptr;
    QBoxLayout *m_methodsLayout = nullptr;
    QTableView *m_table = nullptr;
    QTableView *m_otherTable = nullptr;
    QTextBrowser *m_explanation = nullptr;
    QHash<int, QLineEdit *> m_estateFields;   // by estate::Field
    QHash<int, QLabel *> m_estateErrors;      // by estate::Field
    QCheckBox *m_consent = nullptr;
    QSpinBox *m_decimals = nullptr;
    QLabel *m_summary = nullptr;
    QTableView *m_amountsTable = nullptr;
    details::tree::FamilyTab *m_familyTab = nullptr;
    RelativesPanel *m_relativesPanel = nullptr;
    QLabel *m_beyondEditor = nullptr;   // on the working page: the shares are on the relatives page
    DeathsPage *m_deathsPage = nullptr;
};
