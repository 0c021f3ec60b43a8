// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/registry.h"

namespace platform::registry {

QString valueText(const RawValue &value)
{
    QByteArray data = value.data;
    if (!data.isEmpty() && data.back() == '\0')
        data.chop(1);
    switch (value.kind) {
    case ValueKind::String:
        return QString::fromLocal8Bit(data);
    case ValueKind::DoubleWord: {
        // The bytes are stored low byte first. Each byte keeps both of its
        // hex digits: "&h1" + "0" for 0x0100 would read as 16, not 256.
        quint64 number = 0;
        for (qsizetype i = data.size() - 1; i >= 0; --i)
            number = number * 256 + quint8(data.at(i));
        return QString::number(number);
    }
    case ValueKind::Other:
        break;
    }
    return QString();
}

Reading readValue(Source &source, Root root, const QString &key, const QString &valueName)
{
    if (!source.openKey(root, key, KeyAccessMask))
        return {};
    const std::optional<RawValue> raw = source.queryValue(valueName, ValueBufferSize);
    if (!raw) {
        source.closeKey();
        return {};
    }
    Reading r{true, valueText(*raw)};
    source.closeKey();
    return r;
}

} // namespace platform::registry
