// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The obligatory bequest in words, from resources/report/bequest_working.json:
// the code, each predeceased child's share as if alive, the third, the gifts,
// what each descendant takes or why he takes nothing, and the heirs' new case
// on what is left.

#include "case/case_fields.h"
#include "case/engine/obligatory_bequest.h"

#include <QString>
#include <QStringList>

namespace report {

// "The son who died before the deceased" for a predeceased child's path.
QString predeceasedName(const Path &child, Language language);
// Why a descendant takes nothing, or what he takes ("the son's daughter: 1/6
// of the estate by the obligatory bequest").
QString bequestRecipientSentence(const engine::BequestRecipient &r, Language language);
// "The obligatory bequest takes 2/9; what is left, 7/9, is divided among the
// heirs as a case of its own."; empty where the code gives no bequest.
QString bequestRemainderSentence(const engine::BequestResult &r, Language language);
// The working in order. `views` are the case's (the code's attribution).
QStringList bequestSteps(const engine::BequestResult &r, const Views &views, Language language);

} // namespace report
