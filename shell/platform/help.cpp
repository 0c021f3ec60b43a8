// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace platform::help {
namespace {

QString &folderSlot()
{
    static QString f;
    return f;
}

Opener &openerSlot()
{
    static Opener o;
    return o;
}

void tell(QWidget *parent, const QString &title, const QString &message, const QString &path)
{
    QMessageBox box(QMessageBox::Warning, title, message.arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("helpMessage"));
    box.exec();
}

} // namespace

QString folder()
{
    return folderSlot().isEmpty() ? QCoreApplication::applicationDirPath() : folderSlot();
}

void setFolder(const QString &f)
{
    folderSlot() = f;
}

void setOpener(Opener opener)
{
    openerSlot() = std::move(opener);
}

bool show(QWidget *parent, const Messages &messages)
{
    const QString path = QDir(folder()).filePath(QString::fromLatin1(FileName));
    if (!QFileInfo(path).isFile()) {
        tell(parent, messages.title, messages.missing, path);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = openerSlot() ? openerSlot()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        tell(parent, messages.title, messages.unopened, path);
    return opened;
}

} // namespace platform::help
