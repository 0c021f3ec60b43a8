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

struct FrameControls
{
    int frame;
    const char *label;     // nullptr for Frame15
    const char *controls[3];
};

// Which controls each frame carries; the first answer control of a yes/no
// frame is the Yes option.
constexpr FrameControls Frames[] = {
    {1, "Label1", {"optFatherYes", "optFatherNo", "Option1"}},
    {2, "label5", {"optGrandFatherYes", "optGrandFatherNo", nullptr}},
    {3, "Label2", {"optMotherYes", "optMotherNo", nullptr}},
    {4, "Label3", {"optMaternalGrandMotherYes", "optMaternalGrandMotherNo", nullptr}},
    {5, "Label4", {"optParentalGrandMotherYes", "optParentalGrandMotherNo", nullptr}},
    {6, "Label6", {"optMarriedYes", "optMarriedNo", nullptr}},
    {7, "Label7", {"optHusbandYes", "optHusbandNo", nullptr}},
    {8, "Label8", {"cmbSons", nullptr, nullptr}},
    {9, "Label9", {"cmbDaughters", nullptr, nullptr}},
    {10, "Label10", {"cmbSonsOfSons", nullptr, nullptr}},
    {11, "Label11", {"cmbDaughtersOfSons", nullptr, nullptr}},
    {12, "Label12", {"cmbSonsSonsSons", nullptr, nullptr}},
    {13, "Label13", {"cmbDaughtersSonsSons", nullptr, nullptr}},
    {14, "Label14", {"cmbWifes", nullptr, nullptr}},
    {15, nullptr, {"optWithKids", "optWithoutKids", nullptr}},
};

// The frames in the order their questions are asked.
constexpr int AskedOrder[] = {1, 2, 3, 4, 5, 6, 7, 14, 15, 8, 9, 10, 11, 12, 13};

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
        box->setObjectName(QStringLiteral("Frame%1").arg(f.frame));
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
                if (f.frame == 1 && QLatin1String(name) == QLatin1String("Option1")) {
                    // Out of sight and out of reach: shown, an arrow key on
                    // the chosen answer would select it, clearing the answer
                    // while the questions it revealed stay on screen.
                    opt->setFocusPolicy(Qt::NoFocus);
                    opt->hide();
                }
                if (f.frame == 15)
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
    for (int n : AskedOrder) {
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

    for (int n = 2; n <= 15; ++n)
        hideFrame(n);
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
    for (int n = 1; n <= 15; ++n)
        frame(n)->setLayoutDirection(Qt::LeftToRight);
    captions::apply(this, Name, Language::English);

    for (const FrameControls &f : Frames) {
        if (!f.label)
            continue;
        auto *label = findChild<QLabel *>(QLatin1String(f.label));
        if (!label)
            continue;
        QFont font = label->font();
        const bool descendant = f.frame >= 8 && f.frame <= 13;
        font.setPointSizeF(descendant ? 10 : 11);
        label->setFont(font);
    }
    for (const char *name : {"optWithKids", "optWithoutKids"}) {
        QFont font = option(name)->font();
        font.setPointSizeF(9);
        option(name)->setFont(font);
    }
    geom::placeAll(this, layout::fathersFrameContents(Language::English, geom::twipsOf(frame(1)).width()));
}

QGroupBox *frmFathers::frame(int n) const
{
    return findChild<QGroupBox *>(QStringLiteral("Frame%1").arg(n));
}

void frmFathers::showFrame(int n)
{
    if (QGroupBox *f = frame(n))
        f->show();
}

void frmFathers::hideFrame(int n)
{
    if (QGroupBox *f = frame(n))
        f->hide();
}

// Hides a question that is not answered yet. An answered question stays on
// screen, so that the record never holds an answer the user cannot see.
void frmFathers::hideUnanswered(int n)
{
    QGroupBox *f = frame(n);
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
void frmFathers::clearFrame(int n)
{
    QGroupBox *f = frame(n);
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
    clearFrame(2);
    showFrame(3);
}

void frmFathers::optFatherNo_Click()
{
    firstAnswerGiven();
    theCase().FatherAlive = 0;
    showFrame(2);
    // The grandfather is asked before the mother; a mother already answered
    // stays in view, as her answer stays in the record.
    hideUnanswered(3);
}

void frmFathers::optGrandFatherYes_Click()
{
    theCase().GrandFatherAlive = 1;
    showFrame(3);
}

void frmFathers::optGrandFatherNo_Click()
{
    theCase().GrandFatherAlive = 0;
    showFrame(3);
}

void frmFathers::optMotherYes_Click()
{
    theCase().MotherAlive = 1;
    answers::unselect(option("optMotherNo"));
    theCase().ParentalGrandMotherAlive = 0;
    theCase().MaternalGrandMotherAlive = 0;
    clearFrame(5);
    clearFrame(4);
    showFrame(6);
}

void frmFathers::optMotherNo_Click()
{
    theCase().MotherAlive = 0;
    showFrame(4);
    // The grandmothers come before the marriage; a marriage already answered
    // stays in view with the spouse and children it led to.
    hideUnanswered(6);
}

void frmFathers::optMaternalGrandMotherYes_Click()
{
    theCase().MaternalGrandMotherAlive = 1;
    showFrame(5);
}

void frmFathers::optMaternalGrandMotherNo_Click()
{
    theCase().MaternalGrandMotherAlive = 0;
    showFrame(5);
}

void frmFathers::optParentalGrandMotherYes_Click()
{
    theCase().ParentalGrandMotherAlive = 1;
    showFrame(6);
}

void frmFathers::optParentalGrandMotherNo_Click()
{
    theCase().ParentalGrandMotherAlive = 0;
    showFrame(6);
}

void frmFathers::optMarriedYes_Click()
{
    const bool woman = caseaccess::deceasedIsWoman();
    if (woman) {
        theCase().HusbandAlive = 0;
        showFrame(7);
    }
    if (!woman) {
        theCase().WifeCount = 0;
        showFrame(14);
    }
}

void frmFathers::optMarriedNo_Click()
{
    CaseRecord &c = theCase();
    c.HusbandAlive = 0;
    c.WifeCount = 0;
    clearDescendants(c);
    for (int n : {7, 8, 9, 10, 11, 12, 13, 14})
        clearFrame(n);
    hide();
    marriageAndChildrenRouting();
}

void frmFathers::optHusbandYes_Click()
{
    theCase().HusbandAlive = 1;
    showFrame(15);
}

void frmFathers::optHusbandNo_Click()
{
    theCase().HusbandAlive = 0;
    showFrame(15);
}

void frmFathers::cmbWifes_Click(int index)
{
    if (index >= 0 && index <= 4)
        theCase().WifeCount = std::int16_t(index);
    showFrame(15);
}

void frmFathers::optWithKids_Click()
{
    answers::unselect(option("optWithoutKids"));
    showFrame(8);
}

void frmFathers::optWithoutKids_Click()
{
    answers::unselect(option("optWithKids"));
    CaseRecord &c = theCase();
    clearDescendants(c);
    for (int n = 8; n <= 14; ++n)
        clearFrame(n);
    hide();
    marriageAndChildrenRouting();
}

void frmFathers::cmbSons_Click(int index)
{
    answers::storeCount(list("cmbSons"), index, theCase().SonCount);
    showFrame(9);
}

void frmFathers::cmbDaughters_Click(int index)
{
    answers::storeCount(list("cmbDaughters"), index, theCase().DaughterCount);
    if (theCase().SonCount == 0)
        showFrame(10);
    else
        RecalculateFromFamily();
}

void frmFathers::cmbSonsOfSons_Click(int index)
{
    answers::storeCount(list("cmbSonsOfSons"), index, theCase().SonsSonCount);
    showFrame(11);
}

void frmFathers::cmbDaughtersOfSons_Click(int index)
{
    answers::storeCount(list("cmbDaughtersOfSons"), index, theCase().SonsDaughterCount);
    if (theCase().SonsSonCount == 0)
        showFrame(12);
    else
        RecalculateFromFamily();
}

void frmFathers::cmbSonsSonsSons_Click(int index)
{
    answers::storeCount(list("cmbSonsSonsSons"), index, theCase().SonsSonsSonCount);
    showFrame(13);
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

bool frmFathers::askGrandFatherMethod()
{
    const QPointer<frmFathers> self(this);
    const QPointer<QWidget> method = ui::window(windows::Method);
    ui::showModal(windows::Method);
    // Closing the method window through its title bar stops the whole case.
    return self && method && ui::loadedWindow(windows::Method) == method
           && ui::loadedWindow(Name) == self;
}

bool frmFathers::secondMethodChosen() const
{
    // The method window leaves its answer in the record: the first method
    // puts the grandfather in the father's place.
    return theCase().GrandFatherAsFather == 0;
}

void frmFathers::marriageAndChildrenRouting()
{
    CaseRecord &c = theCase();
    const QString collaterals = windows::Collateral;
    if (c.FatherAlive != 0) {
        // Excluded siblings still reduce the mother's share: count them.
        if (c.MotherAlive == 1)
            ui::showModeless(collaterals);
        else
            RecalculateFromFamily();
        return;
    }
    if (c.GrandFatherAlive != 0) {
        if (!askGrandFatherMethod())
            return;
        // The first method puts the grandfather in the father's place, so
        // it continues as the father's path does.
        if (secondMethodChosen() || (c.FatherAlive == 1 && c.MotherAlive == 1)) {
            ui::showModeless(collaterals);
            return;
        }
        if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
            RecalculateFromFamily();
        return;
    }
    ui::showModeless(collaterals);
}

void frmFathers::descendantRouting()
{
    CaseRecord &c = theCase();
    // With no descendant at all the siblings matter as after "no children".
    if (c.SonCount == 0 && c.DaughterCount == 0 && c.SonsSonCount == 0
        && c.SonsDaughterCount == 0 && c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount == 0) {
        marriageAndChildrenRouting();
        return;
    }
    const QString collaterals = windows::Collateral;
    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1) {
        if (c.GrandFatherAlive == 0) {
            RecalculateFromFamily();
            return;
        }
        if (!askGrandFatherMethod())
            return;
        if (!secondMethodChosen()) {
            RecalculateFromFamily();
            return;
        }
        // The collateral questionnaire runs the distribution itself.
        ui::showModal(collaterals);
        return;
    }
    ui::showModal(collaterals);
}
