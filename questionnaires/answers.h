// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QAbstractButton;
class QComboBox;
class QWidget;

// Small pieces the questionnaire windows share.
namespace answers {

inline constexpr int MaxCount = 50;

// Clears an option button without raising its click and without touching
// the other options of its group.
void unselect(QAbstractButton *option);

// Stores the number shown by the list entry into `value`; a text that is not
// a number leaves `value` as it was and returns false.
bool storeCount(const QComboBox *list, int index, std::int16_t &value);

// Appends "0" to "50" and leaves no entry selected.
void fillCounts(QComboBox *list);

// A drop-down list whose entries are picked, never typed.
QComboBox *newList(const char *name, QWidget *parent);

// Where a label's or button's caption is wider than the control (a wrapped
// label's lines taller than it), its font is made smaller in half points
// until the caption fits (never below 7 points): the free fonts standing in
// for the design fonts run wider.
void fitCaptions(QWidget *window);

} // namespace answers
