// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/register_details.h"
#include "ui/window_names.h"

#include "details/case_file.h"
#include "details/case_window.h"
#include "details/recent_cases.h"
#include "ui/case_access.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>

namespace details {
namespace {

const QString &Name = windows::CaseDetails;

std::optional<CaseState> &noted()
{
    static std::optional<CaseState> state;
    return state;
}

CaseWindow *caseWindow()
{
    return ui::windowAs<CaseWindow>(Name);
}

void present(CaseWindow *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

void registerCaseWindow()
{
    ui::registerWindow(Name, [] {
        auto *w = new CaseWindow;
        // Most of a small screen; on a large one no larger than its tables
        // need.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect free = screen->availableGeometry();
            w->resize(qMin(1500, int(free.width() * 0.95)), qMin(900, int(free.height() * 0.9)));
            w->move(free.center() - w->rect().center());
        }
        if (noted())
            w->setCase(*noted());
        return w;
    });
    caseaccess::CaseDetails entries;
    entries.showCurrentCase = [] {
        const bool fresh = !ui::isLoaded(Name);
        CaseWindow *w = caseWindow();
        if (!fresh && noted())
            w->setCase(*noted());
        present(w);
    };
    entries.showWindow = [] { present(caseWindow()); };
    entries.openFile = [](const QString &path) {
        CaseWindow *w = caseWindow();
        present(w);
        if (path.isEmpty())
            w->open();
        else
            w->openFile(path);
    };
    entries.recentFiles = [] { return recent::files(); };
    entries.hasUnsavedEdits = [] {
        auto *w = qobject_cast<CaseWindow *>(ui::loadedWindow(Name));
        return w && w->isModified();
    };
    entries.saveEdits = [] {
        CaseWindow *w = caseWindow();
        present(w);
        return w->save();
    };
    caseaccess::setCaseDetails(std::move(entries));
}

void noteCalculatedCase(const CaseRecord &c)
{
    noted() = stateFromRecord(c, caseaccess::deceasedName(), caseaccess::deceasedIsWoman());
}

bool openFromCommandLine(const QString &path)
{
    casefile::Contents contents;
    if (casefile::open(path, contents).error == casefile::Error::None && contents.language != language::current()) {
        theCase().Language = std::int16_t(contents.language);
        language::applyToApplication(Language(contents.language));
    }
    // A bad file leaves no empty case window behind its message.
    const bool fresh = !ui::isLoaded(Name);
    CaseWindow *w = caseWindow();
    if (!fresh)
        present(w);
    const bool opened = w->openFile(path);
    if (opened && fresh)
        present(w);
    else if (!opened && fresh)
        ui::discard(Name);
    return opened;
}

} // namespace details
