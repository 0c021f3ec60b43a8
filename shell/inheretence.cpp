// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/inheretence.h"

#include "shell/platform/keyboard_layout.h"
#include "shell/shell_layouts.h"
#include "ui/app_icon.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/widgets.h"
#include "ui/window_names.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString Name = windows::DeceasedEntry;

} // namespace

Inheretence::Inheretence(QWidget *parent)
    : CaseDialog(Name, parent)
{
    setWindowIcon(appicon::icon());
    buildControls();
    captions::apply(this, Name, Language::Arabic);
    load();
}

Inheretence::~Inheretence()
{
    caseaccess::clearDeceased(this);
}

void Inheretence::buildControls()
{
    using namespace widgets;
    const QColor lightGreen(192, 255, 192);
    const QColor red(192, 0, 0);

    QLabel *heading = label(this, QStringLiteral("Label1"), fonts::design(QStringLiteral("Arial"), 14.25));
    setTextColour(heading, QColor(255, 0, 0));
    setBackground(heading, lightGreen);
    QLabel *prompt = label(this, QStringLiteral("lbldead"), fonts::design(QStringLiteral("Simplified Arabic"), 12));
    setTextColour(prompt, QColor(0, 0, 64));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtNameofDead"));
    m_name->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 12, false));
    // A name longer than the box scrolls in it; its tool tip shows it whole.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &name) {
        const int room = m_name->contentsRect().width() - 8;
        m_name->setToolTip(m_name->fontMetrics().horizontalAdvance(name) > room ? name : QString());
    });

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frameInherence"));
    frame->setFont(fonts::design(QStringLiteral("Arial"), 14.25));
    auto *man = new QRadioButton(frame);
    man->setObjectName(QStringLiteral("OptMan"));
    man->setChecked(true);
    auto *woman = new QRadioButton(frame);
    woman->setObjectName(QStringLiteral("OptWoman"));
    const QFont sexFont = fonts::design(QStringLiteral("MS Sans Serif"), 12);
    QLabel *lblMan = label(frame, QStringLiteral("lblMan"), sexFont);
    QLabel *lblWoman = label(frame, QStringLiteral("lblWoman"), sexFont);
    lblMan->setBuddy(man);
    lblWoman->setBuddy(woman);

    QPushButton *okButton = button(this, QStringLiteral("cmdok1"), fonts::design(QStringLiteral("Simplified Arabic"), 15.75));
    okButton->setDefault(true); // Enter anywhere presses OK
    QPushButton *cancelButton = button(this, QStringLiteral("Command1"), fonts::design(QStringLiteral("Simplified Arabic"), 14.25));

    bar(this, QStringLiteral("Shape1"), lightGreen);
    bar(this, QStringLiteral("Shape2"), red);
    bar(this, QStringLiteral("Shape3"), lightGreen);
    bar(this, QStringLiteral("Shape4"), red);

    setTabOrder(m_name, man);
    setTabOrder(man, woman);
    setTabOrder(woman, okButton);
    setTabOrder(okButton, cancelButton);
    m_name->setFocus();

    // The later windows read the particulars from the case access.
    const auto keep = [this, woman] { caseaccess::setDeceased(m_name->text(), woman->isChecked(), this); };
    keep();
    connect(m_name, &QLineEdit::textChanged, this, keep);
    connect(woman, &QRadioButton::toggled, this, keep);

    connect(okButton, &QPushButton::clicked, this, &Inheretence::ok);
    connect(cancelButton, &QPushButton::clicked, this, &Inheretence::cancel);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Inheretence::keepKeyboard);
    m_timer->start();
}

void Inheretence::load()
{
    const QFont headingFont = fonts::design(QStringLiteral("Times New Roman"), 14);

    const layout::Rects rects = layout::deceasedEntry(geom::screenTwips());
    geom::placeAll(this, rects);

    const Language lang = language::current();
    language::applyDirection(this, lang);
    if (lang == Language::English) {
        captions::apply(this, Name, Language::English);
        findChild<QLabel *>(QStringLiteral("Label1"))->setFont(headingFont);
        language::applyDirection(findChild<QWidget *>(QStringLiteral("frameInherence")), lang);
        language::applyDirection(m_name, lang);
    }
}

void Inheretence::ok()
{
    caseaccess::forgetFinishedCase();
    hide(); // stays loaded: the later windows read the name and the sex
    ui::showModal(windows::Family);
}

void Inheretence::cancel()
{
    close(); // unloads this window: name and sex are gone
    caseaccess::clearDeceased(this);
    ui::showModal(windows::AfterResults);
}

void Inheretence::keepKeyboard()
{
    if (language::isEnglish())
        return;
    if (QApplication::focusWidget() == m_name)
        platform::keyboardLayout().activateArabic();
}
