// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/answers.h"

#include "ui/fonts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace answers {

void unselect(QAbstractButton *option)
{
    if (!option || !option->isChecked())
        return;
    // An exclusive option refuses to be cleared while it is the checked one.
    const QSignalBlocker blocker(option);
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

bool storeCount(const QComboBox *list, int index, std::int16_t &value)
{
    if (!list || index < 0 || index >= list->count())
        return false;
    bool ok = false;
    const short n = list->itemText(index).toShort(&ok);
    if (ok)
        value = n;
    return ok;
}

void fillCounts(QComboBox *list)
{
    for (int n = 0; n <= MaxCount; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(-1);
}

QComboBox *newList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    return list;
}

void fitCaptions(QWidget *window)
{
    // Each smaller font is set before the control is measured again; a
    // caption that fits keeps its font untouched.
    const auto fit = [](QWidget *control, auto needed) {
        fonts::shrinkToFit(control->font(), 7, [control, needed](const QFont &font) {
            if (font != control->font())
                control->setFont(font);
            return needed() <= control->width();
        });
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        if (label->wordWrap()) {
            // A wrapped caption fits when its lines fit the height.
            QFont font = label->font();
            while (label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height()
                   && font.pointSizeF() > 7) {
                font.setPointSizeF(font.pointSizeF() - 0.5);
                label->setFont(font);
            }
        } else {
            fit(label, [label] { return label->sizeHint().width(); });
        }
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty())
            fit(button, [button] { return button->sizeHint().width(); });
}

} // namespace answers
