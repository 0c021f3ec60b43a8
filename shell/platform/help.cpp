// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "captions.h"

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

void tell(QWidget *parent, const QString &key, const QString &path, int language)
{
    const QString window = QStringLiteral("frmInherence");
    QMessageBox box(QMessageBox::Warning, captions::text(window, QStringLiteral("helpTitle"), language),
                    captions::text(window, key, language).arg(QDir::toNativeSeparators(path)),
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

bool show(QWidget *parent, int language)
{
    const QString path = QDir(folder()).filePath(QString::fromLatin1(FileName));
    if (!QFileInfo(path).isFile()) {
        tell(parent, QStringLiteral("helpMissing"), path, language);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const bool opened = openerSlot() ? openerSlot()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        tell(parent, QStringLiteral("helpUnopened"), path, language);
    return opened;
}

} // namespace platform::help
