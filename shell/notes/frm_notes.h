// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The document on the science of inheritance shares, read-only, right to
// left. Not a case window: closing it only unloads it, so the document is
// loaded afresh the next time.
class frmNotes : public QDialog
{
    Q_OBJECT
public:
    explicit frmNotes(QWidget *parent = nullptr);

    static QString documentHtml();

public slots:
    void reject() override;

private:
    QTextBrowser *m_text = nullptr;
    QPushButton *m_close = nullptr;
};
