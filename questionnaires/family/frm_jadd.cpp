// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/frm_jadd.h"

#include "case/case_record.h"
#include "questionnaires/answers.h"
#include "questionnaires/family/jadd_layout.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/window_names.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString Name = windows::Method;
}

frmJadd::frmJadd(QWidget *parent)
    : CaseDialog(Name, parent)
{
    const QString arabic = QStringLiteral("Simplified Arabic");
    const QString traditional = QStringLiteral("Traditional Arabic");
    const auto addLabel = [this](const char *name, const QFont &font) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    addLabel("Label1", fonts::design(arabic, 14.25));
    addLabel("Label2", fonts::design(traditional, 14.25));
    addLabel("Label3", fonts::design(traditional, 14.25));
    m_likeFather = new QRadioButton(this);
    m_likeFather->setObjectName(QStringLiteral("optLikeFather"));
    m_likeFather->setFont(fonts::design(arabic, 12));
    for (int i = 0; i < 2; ++i) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1(%1)").arg(i));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
    }
    addLabel("Label4", fonts::design(traditional, 14.25));
    addLabel("Label5", fonts::design(traditional, 14.25));
    m_unlikeFather = new QRadioButton(this);
    m_unlikeFather->setObjectName(QStringLiteral("optUnlikeFather"));
    m_unlikeFather->setFont(fonts::design(arabic, 12));
    m_confirm = new QPushButton(this);
    m_confirm->setObjectName(QStringLiteral("cmdJadd"));
    m_confirm->setFont(fonts::design(arabic, 12));
    m_confirm->setAutoDefault(false);
    // Confirming with no method chosen would compute the case as if the
    // grandfather had no siblings, without ever asking about them.
    m_confirm->setEnabled(false);

    connect(m_likeFather, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optLikeFather_Click();
    });
    connect(m_unlikeFather, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optUnlikeFather_Click();
    });
    connect(m_confirm, &QPushButton::clicked, this, &frmJadd::cmdJadd_Click);

    captions::apply(this, Name, Language::Arabic);
    language::applyDirection(this, Language::Arabic);

    // Load step.
    const QFont english = fonts::design(QStringLiteral("Times New Roman"), 11);
    theCase().GrandFatherAsFather = 0;
    const Language lang = languageOf(theCase());
    const layout::Rects r = layout::jaddWindow(geom::screenTwips(), lang);
    geom::placeAll(this, r);
    if (lang == Language::English) {
        language::applyDirection(this, Language::English);
        setFont(english);
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto *label = findChild<QLabel *>(QLatin1String(name));
            QFont f = label->font();
            f.setPointSizeF(11);
            label->setFont(f);
        }
        m_likeFather->setLayoutDirection(Qt::LeftToRight);
        m_unlikeFather->setLayoutDirection(Qt::LeftToRight);
        captions::apply(this, Name, Language::English);
    }
    answers::fitCaptions(this);
}

void frmJadd::optLikeFather_Click()
{
    if (m_likeFather->isChecked())
        answers::unselect(m_unlikeFather);
    m_confirm->setEnabled(m_likeFather->isChecked() || m_unlikeFather->isChecked());
}

void frmJadd::optUnlikeFather_Click()
{
    if (m_unlikeFather->isChecked())
        answers::unselect(m_likeFather);
    m_confirm->setEnabled(m_likeFather->isChecked() || m_unlikeFather->isChecked());
}

void frmJadd::cmdJadd_Click()
{
    CaseRecord &c = theCase();
    c.GrandFatherAsFather = 0;
    if (m_likeFather->isChecked()) {
        c.GrandFatherAsFather = 1;
        c.FatherAlive = 1;
        c.GrandFatherAlive = 0;
    }
    if (m_unlikeFather->isChecked()) {
        c.GrandFatherAsFather = 0;
        c.GrandFatherAlive = 1;
    }
    hide();
}
