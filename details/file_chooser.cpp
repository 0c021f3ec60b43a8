// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/file_chooser.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace details {
namespace {

class DialogFileChooser : public FileChooser
{
public:
    QString saveFile(QWidget *parent, const QString &title, const QString &suggested,
                     const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    }
    QString openFile(QWidget *parent, const QString &title, const QString &folder,
                     const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
};

std::unique_ptr<FileChooser> &slot()
{
    static std::unique_ptr<FileChooser> chooser = std::make_unique<DialogFileChooser>();
    return chooser;
}

} // namespace

void setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    slot() = chooser ? std::move(chooser) : std::make_unique<DialogFileChooser>();
}

FileChooser &fileChooser()
{
    return *slot();
}

QString suggestedPath(const QString &deceased, const QString &suffix)
{
    QString name;
    for (QChar ch : deceased.simplified()) {
        if (ch.isLetterOrNumber() || ch.isMark() || ch == QLatin1Char(' ') || ch == QLatin1Char('-')
            || ch == QLatin1Char('_') || ch == QLatin1Char('.'))
            name += ch;
    }
    name = name.left(80).trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("case");
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("%1 %2.%3").arg(name, date, suffix));
}

} // namespace details
