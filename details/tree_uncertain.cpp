// SPDX-License-Identifier: GPL-3.0-or-later
// The tree of a case with persons whose state is unknown: what each is paid
// now, and the unborn, the missing and the hermaphrodite at their places.
#include "details/tree_model.h"

#include "details/estimates_model.h"

namespace details::tree {

void TreeModel::setEstimates(const engine::UncertainFamily &f, const engine::EstimatesResult &r, Language language)
{
    if (r.error != engine::EstimatesError::None || r.now.size() != f.known.members.size() + f.uncertain.size() + 1) {
        setFamily(f.known, language);
        return;
    }
    // The known members' rules, with what they are paid now.
    engine::Family family = f.known;
    const engine::Result known = engine::calculate(f.known);
    engine::Result result = known;
    for (std::size_t c = 0; c < f.known.members.size(); ++c)
        result.members[c].share = r.now[c];
    result.treasury = r.now.back();
    // An uncertain person has a node of his own, unless a known relative
    // stands at the same place (a son beside the unborn): that one's node says it.
    std::vector<int> memberOf;
    for (std::size_t i = 0; i < f.uncertain.size(); ++i) {
        const engine::UncertainPerson &u = f.uncertain[i];
        int same = -1;
        for (std::size_t k = 0; k < family.members.size(); ++k)
            same = family.members[k].path == u.place ? int(k) : same;
        if (same < 0) {
            family.members.push_back({u.place, u.count});
            engine::MemberResult m;
            m.path = u.place;
            m.count = u.count;
            m.share = r.now[f.known.members.size() + i];
            result.members.push_back(m);
            same = int(family.members.size()) - 1;
        }
        memberOf.push_back(same);
    }
    setResult(family, result, language);
    for (int k = 0; k < m_nodes.size(); ++k) {
        Node &n = m_nodes[k];
        if (n.member < 0)
            continue;
        const std::size_t member = std::size_t(n.member);
        // Nothing now where the case without them gives him a share: held, not excluded.
        if (member < known.members.size() && r.now[member].isZero() && !known.members[member].share.isZero()) {
            n.reason = text("uncertain.nothingNow", language);
            n.by = -1;
        }
        for (std::size_t i = 0; i < memberOf.size(); ++i) {
            if (memberOf[i] != n.member)
                continue;
            const QString name = uncertainName(f.uncertain[i], language);
            if (member >= known.members.size()) {
                n.mark = Mark::Uncertain;
                n.name = name;
                n.reason.clear();
                n.by = -1;
                n.state = text("uncertain.held", language);
            } else {
                static const char *const also[] = {"uncertain.also.unborn", "uncertain.also.missing",
                                                   "uncertain.also.hermaphrodite"};
                n.state = text(also[int(f.uncertain[i].kind)], language);
            }
        }
    }
}

} // namespace details::tree
