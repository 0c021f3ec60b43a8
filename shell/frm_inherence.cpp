// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_inherence.h"

#include "case/case_record.h"
#include "shell/shell_layouts.h"
#include "ui/app_icon.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/help.h"
#include "ui/language.h"
#include "ui/program_end.h"
#include "ui/widgets.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>

namespace {

const QString Name = windows::Main;

template<class T> T *child(QObject *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

// Access keys work without being underlined: an underlined letter splits
// an Arabic word into unjoined pieces.
class NoUnderlinedAccessKeys : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_UnderlineShortcut)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

frmInherence::frmInherence(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(Name);
    setWindowIcon(appicon::icon());
    buildControls();
    buildMenus();
    captions::apply(this, Name, Language::Arabic);
    load();
}

bool frmInherence::screenTooSmall(int widthPixels, int heightPixels)
{
    return heightPixels < 600 && widthPixels < 800;
}

void frmInherence::buildControls()
{
    using namespace widgets;
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_central);

    button(m_central, QStringLiteral("Command3"), fonts::design(QStringLiteral("MS Sans Serif"), 12), Teal);
    button(m_central, QStringLiteral("Command4"), fonts::design(QStringLiteral("Arial"), 18), Teal);
    button(m_central, QStringLiteral("Command1"), fonts::design(QStringLiteral("Simplified Arabic"), 14.25), Teal);
    button(m_central, QStringLiteral("Command2"), fonts::design(QStringLiteral("Simplified Arabic"), 14.25), Teal);

    label(m_central, QStringLiteral("Label1"), fonts::design(QStringLiteral("Arial"), 36));
    QLabel *credit = label(m_central, QStringLiteral("Label2"), fonts::design(QStringLiteral("Arial"), 14.25));
    setBackground(credit, Teal);
    QLabel *basmala = label(m_central, QStringLiteral("Label3"), fonts::design(QStringLiteral("Andalus"), 24));
    setTextColour(basmala, QColor(0, 128, 0));

    bar(m_central, QStringLiteral("Shape1"), QColor(192, 0, 0));
    bar(m_central, QStringLiteral("Shape2"), QColor(192, 0, 0));
    bar(m_central, QStringLiteral("Shape3"), QColor(0, 192, 0));
    bar(m_central, QStringLiteral("Shape4"), QColor(0, 192, 0));

    connect(child<QPushButton>(this, "Command3"), &QPushButton::clicked, this, &frmInherence::chooseEnglish);
    connect(child<QPushButton>(this, "Command4"), &QPushButton::clicked, this, &frmInherence::chooseArabic);
    connect(child<QPushButton>(this, "Command1"), &QPushButton::clicked, this, &frmInherence::start);
    connect(child<QPushButton>(this, "Command2"), &QPushButton::clicked, this, &frmInherence::exitAsked);
}

void frmInherence::buildMenus()
{
    auto *menuStyle = new NoUnderlinedAccessKeys;
    menuStyle->setParent(this);
    menuBar()->setStyle(menuStyle);
    auto menu = [this, menuStyle](const char *name) {
        auto *m = new QMenu(menuBar());
        m->setStyle(menuStyle);
        m->setObjectName(QString::fromLatin1(name));
        menuBar()->addMenu(m);
        m_menus << m;
        return m;
    };
    auto entry = [this](QMenu *m, const char *name, auto slot) {
        auto *a = new QAction(m);
        a->setObjectName(QString::fromLatin1(name));
        m->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu *info = menu("mnuInfo");
    entry(info, "mnuInheretence", [] { ui::showModal(windows::Notes); });
    // Apart from the document above it, and asking first: one slip of the
    // mouse must not end a case.
    m_quitSeparator = info->addSeparator();
    entry(info, "mnuQuit", [this] { exitAsked(); });

    QMenu *calculation = menu("mnuCalculation");
    entry(calculation, "mnuStart", [this] { start(); });
    entry(calculation, "mnuPrint", [this] { caseaccess::printReport(this); });
    calculation->addSeparator();
    entry(calculation, "mnuCaseDetails", [] {
        if (const auto &show = caseaccess::caseDetails().showWindow)
            show();
    });
    entry(calculation, "mnuOpenCase", [] {
        if (const auto &open = caseaccess::caseDetails().openFile)
            open(QString());
    });
    QMenu *recent = calculation->addMenu(QString());
    recent->setObjectName(QStringLiteral("mnuRecentCases"));
    recent->setStyle(menuStyle);
    connect(recent, &QMenu::aboutToShow, this, [recent] {
        recent->clear();
        const auto &entries = caseaccess::caseDetails();
        const QStringList files = entries.recentFiles ? entries.recentFiles() : QStringList();
        for (const QString &file : files) {
            // A path reads left to right in Arabic text too, and its "&" is
            // no access key.
            QString text = QString(file).replace(QLatin1Char('&'), QLatin1String("&&"));
            if (language::current() == Language::Arabic)
                text = QChar(0x2066) + text + QChar(0x2069);
            QAction *a = recent->addAction(text);
            connect(a, &QAction::triggered, recent, [file] {
                if (const auto &open = caseaccess::caseDetails().openFile)
                    open(file);
            });
        }
        recent->setEnabled(!files.isEmpty());
    });

    QMenu *helpMenu = menu("mnuhelp");
    entry(helpMenu, "mnuAbout", [] { ui::showModeless(windows::About); });
    entry(helpMenu, "mnuhelp1", [] { help::openGuide(); });
    entry(helpMenu, "mnuScienceEn", [] { ui::showModal(windows::ScienceEn); });
}

void frmInherence::load()
{
    const QSizeF screen = geom::screenTwips();
    const QSize pixels(geom::toPixels(screen.width()), geom::toPixels(screen.height()));
    if (screenTooSmall(pixels.width(), pixels.height())) {
        QMessageBox notice(QMessageBox::Information,
                           captions::text(Name, QStringLiteral("smallScreenTitle"), Language::Arabic),
                           captions::text(Name, QStringLiteral("smallScreenText"), Language::Arabic),
                           QMessageBox::Ok);
        notice.setObjectName(QStringLiteral("smallScreenNotice"));
        notice.exec();
    }

    const layout::Rects rects = layout::mainWindow(screen);
    geom::placeAll(this, rects, m_central);

    for (const char *hidden : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        child<QWidget>(this, hidden)->hide();
    child<QWidget>(this, "Command4")->show();
    child<QWidget>(this, "Command3")->show();

    child<QAction>(this, "mnuPrint")->setEnabled(false);
    // The Arabic science document is in the first menu; the English one has
    // its entry under Help.
    child<QAction>(this, "mnuScienceEn")->setVisible(false);

    // No menu bar until a language is chosen.
    for (QMenu *m : std::as_const(m_menus))
        m->menuAction()->setVisible(false);
    menuBar()->hide();
}

void frmInherence::showReady()
{
    for (const char *shown : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        child<QWidget>(this, shown)->show();
    child<QWidget>(this, "Command3")->hide();
    child<QWidget>(this, "Command4")->hide();
    for (QMenu *m : std::as_const(m_menus))
        m->menuAction()->setVisible(true);
    menuBar()->show();
}

void frmInherence::showStartScreen()
{
    // Before a language is chosen the language buttons are the start screen.
    if (menuBar()->isVisible())
        showReady();
}

void frmInherence::exitAsked()
{
    if (program::mayEnd(this))
        program::end();
}

void frmInherence::chooseEnglish()
{
    const QFont font = fonts::design(QStringLiteral("Arial Greek"), 14);
    language::setCurrent(Language::English);
    language::applyToApplication(Language::English);
    language::applyDirection(this, Language::English);
    captions::apply(this, Name, Language::English);
    child<QLabel>(this, "Label1")->setFont(font);
    child<QLabel>(this, "Label2")->setFont(font);
    showReady();
    child<QAction>(this, "mnuInheretence")->setVisible(false);
    m_quitSeparator->setVisible(false);
    child<QAction>(this, "mnuScienceEn")->setVisible(true);
}

void frmInherence::chooseArabic()
{
    language::setCurrent(Language::Arabic);
    language::applyToApplication(Language::Arabic);
    showReady();
}

void frmInherence::start()
{
    for (const char *hidden : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        child<QWidget>(this, hidden)->hide();
    // A case still on screen (its results, say) ends here, and the new one
    // starts from a clean record with an empty name and the male option.
    // An after-results window left open belongs to that case too: opened
    // again later it would be neither loaded afresh nor modal.
    ui::discardCaseWindows();
    ui::discard(windows::AfterResults);
    caseaccess::forgetFinishedCase();
    caseaccess::beginNewCase();
    ui::showModal(windows::DeceasedEntry);
}

void frmInherence::closeEvent(QCloseEvent *event)
{
    // The title bar's close ends the run like Exit, and asks as Exit does:
    // the main window stays open for as long as the program runs.
    if (event->spontaneous() && !program::mayEnd(this)) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->spontaneous())
        program::end();
}
