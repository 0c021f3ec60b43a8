// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page of the obligatory bequest beside the relatives: the children of
// the deceased who died before him, each with his living descendants (paths
// below him, with counts) and what the deceased gave each without return;
// then, under a code that gives the bequest, each branch, each descendant's
// part of the whole estate or why he takes nothing, and the heirs' shares of
// the whole estate after it, with the working in words.

#include "details/bequest_model.h"

#include "case/views.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;
class QTextBrowser;

class BequestPanel : public QWidget
{
    Q_OBJECT
public:
    explicit BequestPanel(QWidget *parent = nullptr);

    void setLanguage(Language language);
    const std::vector<engine::Predeceased> &predeceased() const { return m_predeceased; }
    // Replaces the children without telling back (a case opened).
    void setPredeceased(const std::vector<engine::Predeceased> &predeceased);
    // The case worked out with the bequest; `estate` negative when none is given.
    void showResult(const engine::BequestResult &result, const Views &views, double estate);
    // Nothing to show: no predeceased child, or a case too large to work.
    void showNothing(const QString &why);

    // The working in words as the page shows it.
    QStringList working() const { return m_working; }
    QString codeLine() const;
    details::BequestModel *branchesModel() const { return m_branches; }
    details::BequestModel *recipientsModel() const { return m_recipients; }
    details::BequestModel *heirsModel() const { return m_heirs; }
    // Whether the profile gives the bequest and the case has a predeceased child.
    bool bequestGiven() const { return m_given; }

    // "1/9", "10%", "12.5 %": a part of the estate from 0 to 1, or nothing.
    static std::optional<Rational> parseGift(const QString &text);

signals:
    void predeceasedChanged();

private:
    void build();
    // Shows the children, the one of `select` (indices down the tree) chosen.
    void showChildren(const std::vector<std::size_t> &select);
    void showChildren();
    void showDescendants();
    void fillPaths();
    void addChild(bool below);
    void removeChild();
    void addDescendant();
    void removeDescendant();
    engine::Predeceased *current();
    // The chosen child's path from the deceased ("son.daughter").
    Path currentPath() const;

    Language m_language = Language::Arabic;
    bool m_given = false;
    std::vector<engine::Predeceased> m_predeceased;
    QStringList m_working;
    // Each row of the list: the indices down the tree of children (a child
    // of the deceased, then his child who also died before...).
    std::vector<std::vector<std::size_t>> m_rows;

    details::BequestModel *m_branches = nullptr;
    details::BequestModel *m_recipients = nullptr;
    details::BequestModel *m_heirs = nullptr;
    QComboBox *m_childBox = nullptr;
    QPushButton *m_addChild = nullptr;
    QPushButton *m_addBelow = nullptr;
    QListWidget *m_children = nullptr;
    QPushButton *m_removeChild = nullptr;
    QComboBox *m_pathBox = nullptr;
    QSpinBox *m_count = nullptr;
    QLineEdit *m_gift = nullptr;
    QPushButton *m_addDescendant = nullptr;
    QTableWidget *m_descendants = nullptr;
    QPushButton *m_removeDescendant = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_code = nullptr;
    QTableView *m_branchTable = nullptr;
    QTableView *m_recipientTable = nullptr;
    QTableView *m_heirTable = nullptr;
    QTextBrowser *m_workingText = nullptr;
};
