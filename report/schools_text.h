// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The schools' views in words, from the table in resources/report/schools.json:
// for every view and value who holds it and where, and the sentence the
// working cites where a point is disputed ("on the view of Malik"), in
// either language (0 Arabic, 1 English).

#include "case/case_fields.h"
#include "case/views.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace report {

// The point a view decides, as a heading.
QString viewTitle(View v, Language language);
// The sentence naming who holds a value of a view; empty for a name that is
// not one of the view's values.
QString viewAttribution(View v, std::string_view value, Language language);
// The sentence for the value a set of views gives.
QString viewAttribution(const Views &views, View v, Language language);
// Who holds a value (English), and the books, articles and addresses it is
// taken from.
QString viewHolders(View v, std::string_view value);
QStringList viewSources(View v, std::string_view value);

QString profileTitle(Profile p, Language language);
// The value a profile's documentation gives a view and its source there;
// the profile's values themselves are profileViews().
QString profileDocumentedValue(Profile p, View v);
QString profileSource(Profile p, View v);

} // namespace report
