// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_about.h"

#include "shell/platform/system_info.h"
#include "shell/shell_layouts.h"
#include "ui/app_icon.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/version.h"
#include "ui/widgets.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace {

const QString Name = windows::About;

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    using namespace widgets;
    setObjectName(Name);
    setWindowIcon(appicon::icon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(appicon::pixmap(36));
    icon->setAlignment(Qt::AlignCenter);

    QLabel *title = label(this, QStringLiteral("lblTitle"), fonts::design(QStringLiteral("Arial"), 12));
    setTextColour(title, Qt::black);
    label(this, QStringLiteral("lblVersion"), fonts::design(QStringLiteral("Arial"), 8, false));
    QLabel *description = label(this, QStringLiteral("lblDescription"), fonts::design(QStringLiteral("Arial"), 14.25));
    description->setWordWrap(true);
    setTextColour(description, QColor(0, 0, 192));

    // The etched separator: a grey line over a white one.
    for (int i = 0; i < 2; ++i) {
        QFrame *line = bar(this, QStringLiteral("Line1(%1)").arg(i), i == 0 ? QColor(128, 128, 128) : Qt::white);
        line->setFixedHeight(1);
    }

    QPushButton *okButton = button(this, QStringLiteral("cmdOK"), fonts::design(QStringLiteral("Arial"), 9));
    okButton->setDefault(true);
    QPushButton *sysInfo = button(this, QStringLiteral("cmdSysInfo"), fonts::design(QStringLiteral("Arial"), 9));
    connect(okButton, &QPushButton::clicked, this, &frmAbout::ok);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::systemInfo);

    captions::apply(this, Name, Language::Arabic);
    load();
}

QString frmAbout::versionText(Language lang)
{
    // The number reads left to right inside Arabic text.
    const QString number = QStringLiteral("%1.%2.%3").arg(version::Major).arg(version::Minor).arg(version::Patch);
    return captions::text(Name, QStringLiteral("version"), lang)
        .arg(lang == Language::Arabic ? QChar(0x2066) + number + QChar(0x2069) : number);
}

void frmAbout::load()
{
    const QFont font = fonts::design(QStringLiteral("Times New Roman"), 14);
    const layout::Rects rects = layout::aboutBox(geom::screenTwips());
    geom::placeAll(this, rects);
    setFixedSize(size());
    // The etched line is two one-pixel lines, dark over light.
    const QRect line = geom::toPixels(rects.value(QStringLiteral("Line1")));
    findChild<QWidget *>(QStringLiteral("Line1(0)"))->setGeometry(line.x(), line.y(), line.width(), 1);
    findChild<QWidget *>(QStringLiteral("Line1(1)"))->setGeometry(line.x(), line.y() + 1, line.width(), 1);

    const Language lang = language::current();
    language::applyDirection(this, lang);
    findChild<QLabel *>(QStringLiteral("lblVersion"))->setText(versionText(lang));
    if (lang == Language::English) {
        captions::apply(this, Name, Language::English);
        findChild<QLabel *>(QStringLiteral("lblTitle"))->setFont(font);
        findChild<QLabel *>(QStringLiteral("lblDescription"))->setFont(font);
    }
}

void frmAbout::ok()
{
    close();
}

void frmAbout::reject()
{
    ok();
}

void frmAbout::systemInfo()
{
    using namespace platform::sysinfo;
    if (!startViewer(environment()).isEmpty())
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    captions::text(Name, QStringLiteral("sysInfoUnavailable"), language::current()),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("sysInfoNotice"));
    box.exec();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    event->accept();
    ui::discard(objectName());
}

void frmAbout::showEvent(QShowEvent *event)
{
    // Kept off the task bar: it belongs to the main window.
    QWidget *main = ui::loadedWindow(windows::Main);
    if (main && main->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(main->windowHandle());
    QDialog::showEvent(event);
}
