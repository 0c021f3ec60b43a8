// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The program's help file is kept outside the program, next to it. The help
// entry opens it with the desktop's handler; without it, a message says so,
// as a help system would.
namespace platform::help {

inline constexpr const char *FileName = "TARNAVEL.HLP";

// The folder searched (the program's own folder unless a test sets another).
QString folder();
void setFolder(const QString &folder); // empty: the program's folder

// How the file is handed to the desktop; tests record instead.
using Opener = std::function<bool(const QUrl &)>;
void setOpener(Opener opener); // empty: QDesktopServices::openUrl

// The message box texts, in the caller's language; %1 in the two messages is
// the help file's path.
struct Messages
{
    QString title;
    QString missing;  // the file is not there
    QString unopened; // the desktop could not open it
};

// Opens the help file (the desktop's handler has no notion of a help
// context, so the whole file is shown). Returns true when the file was handed
// on; otherwise a message box has said why.
bool show(QWidget *parent, const Messages &messages);

} // namespace platform::help
