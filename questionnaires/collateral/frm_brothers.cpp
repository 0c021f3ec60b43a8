// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/collateral/frm_brothers.h"

#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "questionnaires/answers.h"
#include "questionnaires/collateral/brothers_layout.h"
#include "questionnaires/recalculation.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/window_names.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

const QString Name = windows::Collateral;

struct Question
{
    const char *list;
    const char *label;
    const char *field; // the case record's field, as the field table names it
};

// By question number, 1 to 12 (index 0 unused).
const Question Questions[] = {
    {nullptr, nullptr, nullptr},
    {"cmbFullBrothers", "Label1", "FullBrotherCount"},
    {"cmbFullSisters", "Label2", "FullSisterCount"},
    {"cmbMaternalBrothers", "Label3", "MaternalBrotherCount"},
    {"cmbMaternalSisters", "Label5", "MaternalSisterCount"},
    {"cmbParentalBrothers", "Label4", "ParentalBrotherCount"},
    {"cmbParentalSisters", "Label6", "ParentalSisterCount"},
    {"cmbBrothersSons", "Label7", "BrothersSonCount"},
    {"cmbParentalBrothersSons", "Label8", "ParentalBrothersSonCount"},
    {"cmbFullUncles", "Label9", "FullUncleCount"},
    {"cmbParentalUncles", "Label10", "ParentalUncleCount"},
    {"cmbFullUnclesSons", "Label11", "FullUnclesSonCount"},
    {"cmbParentalUnclesSons", "Label12", "ParentalUnclesSonCount"},
};

constexpr int QuestionCount = 12;

std::int16_t &answer(CaseRecord &c, int question)
{
    return c.*(findInputField(Questions[question].field)->member);
}

} // namespace

frmBrothers::frmBrothers(QWidget *parent)
    : CaseDialog(Name, parent)
{

    const QFont labelFont = fonts::design(QStringLiteral("Simplified Arabic"), 12);
    for (int q = 1; q <= QuestionCount; ++q) {
        auto *box = new QGroupBox(this);
        box->setObjectName(QStringLiteral("Frame%1").arg(q));
        // The frames keep the ordinary colours on the dark window.
        box->setAutoFillBackground(true);
        auto *label = new QLabel(box);
        label->setObjectName(QLatin1String(Questions[q].label));
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignCenter);
        QComboBox *l = answers::newList(Questions[q].list, box);
        connect(l, &QComboBox::activated, this, [this, q](int index) { answered(q, index); });
    }
    auto *finish = new QPushButton(this);
    finish->setObjectName(QStringLiteral("cmdfinish"));
    finish->setAutoDefault(false);
    connect(finish, &QPushButton::clicked, this, &frmBrothers::cmdfinish_Click);

    captions::apply(this, Name, Language::Arabic);
    language::applyDirection(this, Language::Arabic);

    // Load step.
    const Language lang = languageOf(theCase());
    if (lang == Language::English)
        finish->setText(captions::text(Name, QStringLiteral("cmdfinish"), lang));
    finish->hide();
    ClearCollateralCounts(theCase());
    for (int q = 3; q <= QuestionCount; ++q)
        frame(q)->hide();
    for (int q = 1; q <= QuestionCount; ++q)
        answers::fillCounts(list(q));

    const layout::Rects r = layout::brothersWindow(geom::screenTwips());
    geom::placeAll(this, r);
    for (int q = 1; q <= QuestionCount; ++q) {
        geom::placeControl(findChild<QLabel *>(QLatin1String(Questions[q].label)),
                           layout::brothersLabel(q, Language::Arabic, geom::twipsOf(frame(q)).width()));
        geom::placeControl(list(q), layout::brothersList(q, Language::Arabic));
    }
    if (lang == Language::English)
        applyEnglish();
    answers::fitCaptions(this);
}

void frmBrothers::paintEvent(QPaintEvent *)
{
    // Only the window's own ground is dark blue; a dark palette would reach
    // the frames and lists too.
    QPainter(this).fillRect(rect(), QColor(0, 0, 64));
}

void frmBrothers::applyEnglish()
{
    setFont(fonts::design(QStringLiteral("Times New Roman"), 11));
    language::applyDirection(this, Language::English);
    for (int q = 1; q <= QuestionCount; ++q) {
        frame(q)->setLayoutDirection(Qt::LeftToRight);
        auto *label = findChild<QLabel *>(QLatin1String(Questions[q].label));
        geom::placeControl(label, layout::brothersLabel(q, Language::English, geom::twipsOf(frame(q)).width()));
        QFont f = label->font();
        f.setPointSizeF(q == 11 ? 9 : 10);
        label->setFont(f);
        geom::placeControl(list(q), layout::brothersList(q, Language::English));
    }
    captions::apply(this, Name, Language::English);
}

QGroupBox *frmBrothers::frame(int question) const
{
    return findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(question));
}

QComboBox *frmBrothers::list(int question) const
{
    return findChild<QComboBox *>(QLatin1String(Questions[question].list));
}

void frmBrothers::showQuestion(int question)
{
    if (QGroupBox *f = frame(question))
        f->show();
}

void frmBrothers::answered(int q, int index)
{
    CaseRecord &c = theCase();
    const auto finishWith = [this, &c](void (*distribution)(CaseRecord &)) {
        hide();
        distribution(c);
    };
    const auto finishWithEntry = [this](void (*entry)()) {
        hide();
        entry();
    };
    if (q == 6)
        findChild<QPushButton *>(QStringLiteral("cmdfinish"))->show();
    answers::storeCount(list(q), index, answer(c, q));
    const std::int16_t count = answer(c, q);
    switch (q) {
    case 1:
        showQuestion(2);
        break;
    case 2: {
        const int descendants = c.SonCount + c.DaughterCount + c.SonsSonCount
                                + c.SonsDaughterCount + c.SonsSonsSonCount
                                + c.SonsSonsDaughterCount;
        showQuestion(descendants == 0 ? 3 : 5);
        break;
    }
    case 3:
        showQuestion(4);
        break;
    case 4:
        c.MaternalSiblingCount = std::int16_t(c.MaternalSisterCount + c.MaternalBrotherCount);
        showQuestion(5);
        break;
    case 5:
        showQuestion(6);
        break;
    case 6:
        if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
            finishWith(DistributeWithFather);
        else if (c.FullBrotherCount != 0 || c.ParentalBrotherCount != 0)
            finishWith(DistributeWithoutFather);
        else
            showQuestion(7);
        break;
    case 7:
    case 8:
    case 11:
        if (count != 0)
            finishWithEntry(RecalculateFromCollaterals);
        else
            showQuestion(q + 1);
        break;
    case 9:
    case 10:
        if (count != 0)
            finishWith(DistributeWithoutFather);
        else
            showQuestion(q + 1);
        break;
    case 12:
        finishWith(DistributeWithoutFather);
        break;
    default:
        break;
    }
}

void frmBrothers::cmdfinish_Click()
{
    RecalculateFromCollaterals();
}
