// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/frm_fathers.h"

#include "case/case_record.h"
#include "questionnaires/answers.h"
#include "questionnaires/family/fathers_layout.h"
#include "questionnaires/recalculation.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/window_names.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

// The six descendant counts: cleared when the window loads and by the
// answers that leave no children.
void clearDescendants(CaseRecord &c)
{
    c.SonCount = 0;
    c.DaughterCount = 0;
    c.SonsSonCount = 0;
    c.SonsDaughterCount = 0;
    c.SonsSonsSonCount = 0;
    c.SonsSonsDaughterCount = 0;
}

const QString Name = windows::Family;

using Question = frmFathers::Question;

struct FrameControls
{
    Question frame;
    const char *label;     // nullptr for Frame15
    const char *controls[3];
};

// Which controls each frame carries; the first answer control of a yes/no
// frame is the Yes option.
constexpr FrameControls Frames[] = {
    {Question::Father, "Label1", {"optFatherYes", "optFatherNo", "Option1"}},
    {Question::GrandFather, "label5", {"optGrandFatherYes", "optGrandFatherNo", nullptr}},
    {Question::Mother, "Label2", {"optMotherYes", "optMotherNo", nullptr}},
    {Question::MaternalGrandMother, "Label3", {"optMaternalGrandMotherYes", "optMaternalGrandMotherNo", nullptr}},
    {Question::ParentalGrandMother, "Label4", {"optParentalGrandMotherYes", "optParentalGrandMotherNo", nullptr}},
    {Question::Married, "Label6", {"optMarriedYes", "optMarriedNo", nullptr}},
    {Question::Husband, "Label7", {"optHusbandYes", "optHusbandNo", nullptr}},
    {Question::Sons, "Label8", {"cmbSons", nullptr, nullptr}},
    {Question::Daughters, "Label9", {"cmbDaughters", nullptr, nullptr}},
    {Question::SonsSons, "Label10", {"cmbSonsOfSons", nullptr, nullptr}},
    {Question::SonsDaughters, "Label11", {"cmbDaughtersOfSons", nullptr, nullptr}},
    {Question::SonsSonsSons, "Label12", {"cmbSonsSonsSons", nullptr, nullptr}},
    {Question::SonsSonsDaughters, "Label13", {"cmbDaughtersSonsSons", nullptr, nullptr}},
    {Question::Wives, "Label14", {"cmbWifes", nullptr, nullptr}},
    {Question::Children, nullptr, {"optWithKids", "optWithoutKids", nullptr}},
};

// The frames in the order their questions are asked.
constexpr Question AskedOrder[] = {
    Question::Father, Question::GrandFather, Question::Mother, Question::MaternalGrandMother,
    Question::ParentalGrandMother, Question::Married, Question::Husband, Question::Wives, Question::Children,
    Question::Sons, Question::Daughters, Question::SonsSons, Question::SonsDaughters, Question::SonsSonsSons,
    Question::SonsSonsDaughters};

// The counts of descendants, sons first.
constexpr Question Descendants[] = {Question::Sons, Question::Daughters, Question::SonsSons,
                                    Question::SonsDaughters, Question::SonsSonsSons, Question::SonsSonsDaughters};

// The count lists in the order the load fills them.
constexpr const char *CountLists[] = {"cmbSons", "cmbDaughters", "cmbSonsOfSons",
                                      "cmbDaughtersOfSons", "cmbSonsSonsSons",
                                      "cmbDaughtersSonsSons"};

constexpr const char *YesOptions[] = {"optFatherYes", "optGrandFatherYes", "optMotherYes",
                                      "optMaternalGrandMotherYes", "optParentalGrandMotherYes",
                                      "optMarriedYes", "optHusbandYes"};

bool isList(const char *name)
{
    return name[0] == 'c';
}

} // namespace

frmFathers::frmFathers(QWidget *parent)
    : CaseDialog(Name, parent)
{
    build();
    captions::apply(this, Name, Language::Arabic);
    language::applyDirection(this, Language::Arabic);
    load();
}

void frmFathers::build()
{
    const QFont labelFont = fonts::design(QStringLiteral("Simplified Arabic"), 12);
    for (const FrameControls &f : Frames) {
        auto *box = new QGroupBox(this);
        box->setObjectName(QStringLiteral("Frame%1").arg(int(f.frame)));
        if (f.label) {
            auto *label = new QLabel(box);
            label->setObjectName(QLatin1String(f.label));
            label->setFont(labelFont);
        }
        for (const char *name : f.controls) {
            if (!name)
                continue;
            if (isList(name)) {
                answers::newList(name, box);
            } else {
                auto *opt = new QRadioButton(box);
                opt->setObjectName(QLatin1String(name));
                if (f.frame == Question::Father && QLatin1String(name) == QLatin1String("Option1")) {
                    // Out of sight and out of reach: shown, an arrow key on
                    // the chosen answer would select it, clearing the answer
                    // while the questions it revealed stay on screen.
                    opt->setFocusPolicy(Qt::NoFocus);
                    opt->hide();
                }
                if (f.frame == Question::Children)
                    opt->setFont(labelFont);
            }
        }
    }
    auto *finish = new QPushButton(this);
    finish->setObjectName(QStringLiteral("cmdfinish"));
    finish->setAutoDefault(false);
    // Tab leaves a yes/no question for the next control: until the first
    // question is answered, that would be "calculate now", and Space there
    // would calculate a case nobody has described. It joins the Tab order
    // with the first answer (a click reaches it all along).
    finish->setFocusPolicy(Qt::ClickFocus);

    // An option answers when the user selects it; clicking the answer already
    // chosen changes nothing (it would reset what was answered below it while
    // the lists still show the old entries), and clearing an option from code
    // runs no handler. A list answers whenever an entry is picked.
    const auto onClick = [this](const char *name, void (frmFathers::*handler)()) {
        connect(option(name), &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    };
    const auto onPick = [this](const char *name, void (frmFathers::*handler)(int)) {
        connect(list(name), &QComboBox::activated, this, handler);
    };
    onClick("optFatherYes", &frmFathers::optFatherYes_Click);
    onClick("optFatherNo", &frmFathers::optFatherNo_Click);
    onClick("optGrandFatherYes", &frmFathers::optGrandFatherYes_Click);
    onClick("optGrandFatherNo", &frmFathers::optGrandFatherNo_Click);
    onClick("optMotherYes", &frmFathers::optMotherYes_Click);
    onClick("optMotherNo", &frmFathers::optMotherNo_Click);
    onClick("optMaternalGrandMotherYes", &frmFathers::optMaternalGrandMotherYes_Click);
    onClick("optMaternalGrandMotherNo", &frmFathers::optMaternalGrandMotherNo_Click);
    onClick("optParentalGrandMotherYes", &frmFathers::optParentalGrandMotherYes_Click);
    onClick("optParentalGrandMotherNo", &frmFathers::optParentalGrandMotherNo_Click);
    onClick("optMarriedYes", &frmFathers::optMarriedYes_Click);
    onClick("optMarriedNo", &frmFathers::optMarriedNo_Click);
    onClick("optHusbandYes", &frmFathers::optHusbandYes_Click);
    onClick("optHusbandNo", &frmFathers::optHusbandNo_Click);
    onClick("optWithKids", &frmFathers::optWithKids_Click);
    onClick("optWithoutKids", &frmFathers::optWithoutKids_Click);
    onPick("cmbWifes", &frmFathers::cmbWifes_Click);
    onPick("cmbSons", &frmFathers::cmbSons_Click);
    onPick("cmbDaughters", &frmFathers::cmbDaughters_Click);
    onPick("cmbSonsOfSons", &frmFathers::cmbSonsOfSons_Click);
    onPick("cmbDaughtersOfSons", &frmFathers::cmbDaughtersOfSons_Click);
    onPick("cmbSonsSonsSons", &frmFathers::cmbSonsSonsSons_Click);
    onPick("cmbDaughtersSonsSons", &frmFathers::cmbDaughtersSonsSons_Click);
    connect(finish, &QPushButton::clicked, this, &frmFathers::cmdfinish_Click);

    // Tab follows the questions as they are asked (the spouse and the
    // children's question before the counts of descendants), then "calculate
    // now".
    QWidget *previous = nullptr;
    for (Question n : AskedOrder) {
        for (const FrameControls &f : Frames) {
            if (f.frame != n)
                continue;
            for (const char *name : f.controls) {
                if (!name)
                    continue;
                QWidget *w = findChild<QWidget *>(QLatin1String(name));
                if (previous)
                    setTabOrder(previous, w);
                previous = w;
            }
        }
    }
    setTabOrder(previous, finish);
}

void frmFathers::load()
{
    CaseRecord &c = theCase();
    c.FatherAlive = 0;
    c.MotherAlive = 0;
    c.GrandFatherAlive = 0;
    c.ParentalGrandMotherAlive = 0;
    c.MaternalGrandMotherAlive = 0;
    clearDescendants(c);
    c.HusbandAlive = 0;
    c.WifeCount = 0;

    const Language lang = languageOf(c);
    const layout::Rects outer = layout::fathersWindow(geom::screenTwips());
    geom::placeAll(this, outer);
    const double frameWidth = outer.value(QStringLiteral("Frame1")).width();
    geom::placeAll(this, layout::fathersFrameContents(Language::Arabic, frameWidth));

    for (Question q : AskedOrder)
        if (q != Question::Father)
            hideFrame(q);
    answers::unselect(option("optFatherYes"));
    answers::unselect(option("optFatherNo"));

    for (int n = 0; n <= answers::MaxCount; ++n)
        for (const char *name : CountLists)
            list(name)->addItem(QString::number(n));
    for (const char *name : CountLists)
        list(name)->setCurrentIndex(-1);
    QComboBox *wives = list("cmbWifes");
    wives->clear();
    wives->addItems(captions::list(Name, QStringLiteral("cmbWifes"), lang));
    wives->setCurrentIndex(-1);

    if (lang == Language::English)
        applyEnglish();
    answers::fitCaptions(this);

    // The first question takes the keys.
    option("optFatherYes")->setFocus(Qt::TabFocusReason);
}

void frmFathers::showEvent(QShowEvent *event)
{
    CaseDialog::showEvent(event);
    // Qt draws the keyboard focus only after a key has moved it: the
    // questions are answered by keys as much as by the mouse, so it is
    // drawn from the start (again once the window system has activated the
    // window).
    setAttribute(Qt::WA_KeyboardFocusChange);
    QTimer::singleShot(0, this, [this] {
        setAttribute(Qt::WA_KeyboardFocusChange);
        update();
    });
}

void frmFathers::applyEnglish()
{
    language::applyDirection(this, Language::English);
    setFont(fonts::design(QStringLiteral("Times New Roman"), 10));
    for (Question q : AskedOrder)
        frame(q)->setLayoutDirection(Qt::LeftToRight);
    captions::apply(this, Name, Language::English);

    for (const FrameControls &f : Frames) {
        if (!f.label)
            continue;
        auto *label = findChild<QLabel *>(QLatin1String(f.label));
        if (!label)
            continue;
        QFont font = label->font();
        const bool descendant = std::find(std::begin(Descendants), std::end(Descendants), f.frame) != std::end(Descendants);
        font.setPointSizeF(descendant ? 10 : 11);
        label->setFont(font);
    }
    for (const char *name : {"optWithKids", "optWithoutKids"}) {
        QFont font = option(name)->font();
        font.setPointSizeF(9);
        option(name)->setFont(font);
    }
    geom::placeAll(this, layout::fathersFrameContents(Language::English, geom::twipsOf(frame(Question::Father)).width()));
}

QGroupBox *frmFathers::frame(Question q) const
{
    return findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(int(q)));
}

void frmFathers::showFrame(Question q)
{
    if (QGroupBox *f = frame(q))
        f->show();
}

void frmFathers::hideFrame(Question q)
{
    if (QGroupBox *f = frame(q))
        f->hide();
}

// Hides a question that is not answered yet. An answered question stays on
// screen, so that the record never holds an answer the user cannot see.
void frmFathers::hideUnanswered(Question q)
{
    QGroupBox *f = frame(q);
    if (!f)
        return;
    for (QRadioButton *o : f->findChildren<QRadioButton *>())
        if (o->isChecked())
            return;
    for (QComboBox *l : f->findChildren<QComboBox *>())
        if (l->currentIndex() >= 0)
            return;
    f->hide();
}

// Hides a question whose recorded answer has just been reset, and clears
// the answer it shows: shown again later, it must not show an answer the
// record no longer has.
void frmFathers::clearFrame(Question q)
{
    QGroupBox *f = frame(q);
    if (!f)
        return;
    f->hide();
    for (QRadioButton *o : f->findChildren<QRadioButton *>())
        answers::unselect(o);
    for (QComboBox *l : f->findChildren<QComboBox *>())
        l->setCurrentIndex(-1);
}

QRadioButton *frmFathers::option(const char *name) const
{
    return findChild<QRadioButton *>(QLatin1String(name));
}

QComboBox *frmFathers::list(const char *name) const
{
    return findChild<QComboBox *>(QLatin1String(name));
}

void frmFathers::firstAnswerGiven()
{
    findChild<QPushButton *>(QStringLiteral("cmdfinish"))->setFocusPolicy(Qt::StrongFocus);
}

void frmFathers::optFatherYes_Click()
{
    firstAnswerGiven();
    theCase().FatherAlive = 1;
    theCase().GrandFatherAlive = 0;
    clearFrame(Question::GrandFather);
    showFrame(Question::Mother);
}

void frmFathers::optFatherNo_Click()
{
    firstAnswerGiven();
    theCase().FatherAlive = 0;
    showFrame(Question::GrandFather);
    // The grandfather is asked before the mother; a mother already answered
    // stays in view, as her answer stays in the record.
    hideUnanswered(Question::Mother);
}

void frmFathers::optGrandFatherYes_Click()
{
    theCase().GrandFatherAlive = 1;
    showFrame(Question::Mother);
}

void frmFathers::optGrandFatherNo_Click()
{
    theCase().GrandFatherAlive = 0;
    showFrame(Question::Mother);
}

void frmFathers::optMotherYes_Click()
{
    theCase().MotherAlive = 1;
    answers::unselect(option("optMotherNo"));
    theCase().ParentalGrandMotherAlive = 0;
    theCase().MaternalGrandMotherAlive = 0;
    clearFrame(Question::ParentalGrandMother);
    clearFrame(Question::MaternalGrandMother);
    showFrame(Question::Married);
}

void frmFathers::optMotherNo_Click()
{
    theCase().MotherAlive = 0;
    showFrame(Question::MaternalGrandMother);
    // The grandmothers come before the marriage; a marriage already answered
    // stays in view with the spouse and children it led to.
    hideUnanswered(Question::Married);
}

void frmFathers::optMaternalGrandMotherYes_Click()
{
    theCase().MaternalGrandMotherAlive = 1;
    showFrame(Question::ParentalGrandMother);
}

void frmFathers::optMaternalGrandMotherNo_Click()
{
    theCase().MaternalGrandMotherAlive = 0;
    showFrame(Question::ParentalGrandMother);
}

void frmFathers::optParentalGrandMotherYes_Click()
{
    theCase().ParentalGrandMotherAlive = 1;
    showFrame(Question::Married);
}

void frmFathers::optParentalGrandMotherNo_Click()
{
    theCase().ParentalGrandMotherAlive = 0;
    showFrame(Question::Married);
}

void frmFathers::optMarriedYes_Click()
{
    const bool woman = caseaccess::deceasedIsWoman();
    if (woman) {
        theCase().HusbandAlive = 0;
        showFrame(Question::Husband);
    }
    if (!woman) {
        theCase().WifeCount = 0;
        showFrame(Question::Wives);
    }
}

void frmFathers::optMarriedNo_Click()
{
    CaseRecord &c = theCase();
    c.HusbandAlive = 0;
    c.WifeCount = 0;
    clearDescendants(c);
    for (Question q : {Question::Husband, Question::Wives})
        clearFrame(q);
    for (Question q : Descendants)
        clearFrame(q);
    hide();
    marriageAndChildrenRouting();
}

void frmFathers::optHusbandYes_Click()
{
    theCase().HusbandAlive = 1;
    showFrame(Question::Children);
}

void frmFathers::optHusbandNo_Click()
{
    theCase().HusbandAlive = 0;
    showFrame(Question::Children);
}

void frmFathers::cmbWifes_Click(int index)
{
    if (index >= 0 && index <= 4)
        theCase().WifeCount = std::int16_t(index);
    showFrame(Question::Children);
}

void frmFathers::optWithKids_Click()
{
    answers::unselect(option("optWithoutKids"));
    showFrame(Question::Sons);
}

void frmFathers::optWithoutKids_Click()
{
    answers::unselect(option("optWithKids"));
    CaseRecord &c = theCase();
    clearDescendants(c);
    for (Question q : Descendants)
        clearFrame(q);
    clearFrame(Question::Wives);
    hide();
    marriageAndChildrenRouting();
}

void frmFathers::cmbSons_Click(int index)
{
    answers::storeCount(list("cmbSons"), index, theCase().SonCount);
    showFrame(Question::Daughters);
}

void frmFathers::cmbDaughters_Click(int index)
{
    answers::storeCount(list("cmbDaughters"), index, theCase().DaughterCount);
    if (theCase().SonCount == 0)
        showFrame(Question::SonsSons);
    else
        RecalculateFromFamily();
}

void frmFathers::cmbSonsOfSons_Click(int index)
{
    answers::storeCount(list("cmbSonsOfSons"), index, theCase().SonsSonCount);
    showFrame(Question::SonsDaughters);
}

void frmFathers::cmbDaughtersOfSons_Click(int index)
{
    answers::storeCount(list("cmbDaughtersOfSons"), index, theCase().SonsDaughterCount);
    if (theCase().SonsSonCount == 0)
        showFrame(Question::SonsSonsSons);
    else
        RecalculateFromFamily();
}

void frmFathers::cmbSonsSonsSons_Click(int index)
{
    answers::storeCount(list("cmbSonsSonsSons"), index, theCase().SonsSonsSonCount);
    showFrame(Question::SonsSonsDaughters);
}

void frmFathers::cmbDaughtersSonsSons_Click(int index)
{
    answers::storeCount(list("cmbDaughtersSonsSons"), index, theCase().SonsSonsDaughterCount);
    if (theCase().SonsSonsSonCount == 0) {
        hide();
        descendantRouting();
    } else {
        RecalculateFromFamily();
    }
}

void frmFathers::cmdfinish_Click()
{
    RecalculateFromFamily();
}
