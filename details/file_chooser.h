// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QWidget;

// Where a case or a document is saved and which case is opened. The
// program's chooser shows Qt's file dialogs; tests and the robustness walk
// answer without a dialog. An empty path means the user cancelled.
namespace details {

class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter) = 0;
    virtual QString openFile(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter) = 0;
};

void setFileChooser(std::unique_ptr<FileChooser> chooser);   // nullptr: the dialogs again
FileChooser &fileChooser();

// "<name> <yyyy-MM-dd>.<suffix>" in the documents folder, with the
// characters no file name may hold left out.
QString suggestedPath(const QString &deceased, const QString &suffix);

} // namespace details
