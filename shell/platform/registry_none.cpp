// SPDX-License-Identifier: GPL-3.0-or-later
// Linux keeps no registry: every key is missing.
#include "shell/platform/registry.h"

namespace platform::registry {
namespace {

class NoRegistry : public Source
{
public:
    bool openKey(Root, const QString &, unsigned) override { return false; }
    std::optional<RawValue> queryValue(const QString &, int) override { return std::nullopt; }
    void closeKey() override {}
};

} // namespace

std::unique_ptr<Source> makeSystemSource()
{
    return std::make_unique<NoRegistry>();
}

} // namespace platform::registry
