// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_names.h"
#include "app.h"
#include "details/case_window.h"
#include "details/file_chooser.h"
#include "tests/gui_support.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QStandardPaths>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace cw {

using Family = std::initializer_list<std::pair<Relative, int>>;

inline details::CaseState family(Family relatives, bool woman = false)
{
    details::CaseState s;
    s.woman = woman;
    for (auto [r, n] : relatives)
        s.setCount(r, n);
    return s;
}

// A fresh program in the language, and the case window with the case.
inline CaseWindow *open(const details::CaseState &s, int language)
{
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    theCase() = CaseRecord{};
    theCase().Language = std::int16_t(language);
    language::applyToApplication(Language(language));
    app::registerAllWindows();
    app::installCalculationHooks();
    auto *w = ui::windowAs<CaseWindow>(windows::CaseDetails);
    w->setCase(s);
    w->show();
    return w;
}

// Answers the file dialogs with fixed paths (empty: cancel).
class FixedFiles : public details::FileChooser
{
public:
    QString savePath, openPath;
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override { return savePath; }
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override { return openPath; }
};

inline FixedFiles *fixedFiles()
{
    auto chooser = std::make_unique<FixedFiles>();
    FixedFiles *raw = chooser.get();
    details::setFileChooser(std::move(chooser));
    return raw;
}

inline QStringList column(const WorkingModel &m, int column)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.text(r, column).remove(QChar(0x2066)).remove(QChar(0x2069));
    return out;
}

} // namespace cw
