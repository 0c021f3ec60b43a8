// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// A read-only document of the program in the interface language: the user
// guide (frmGuide) and the English science document (frmScienceEn). Links
// between the documents open in the same window, Back returns. Closing
// unloads it, so the next opening follows the language then chosen.
class DocumentWindow : public QDialog
{
    Q_OBJECT
public:
    // `documents` holds the resource of each language (Arabic, English); a
    // language without one shows the other's.
    DocumentWindow(const QString &name, const QStringList &documents, QWidget *parent = nullptr);

    // The document of the language, as a resource URL.
    static QUrl documentUrl(const QStringList &documents, Language language);

public slots:
    // Moves to the section (an anchor of the window's own document); an
    // empty section is the start.
    void showSection(const QString &section);
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QUrl m_document;
    QString m_pending;
    QTextBrowser *m_text = nullptr;
};
