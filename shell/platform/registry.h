// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// Reading one value of the system registry, as the about box does to find
// the system-information program. The procedure works over a source of raw
// values so that it does not depend on a registry being there (Linux has
// none) and can be checked against prepared data.
namespace platform::registry {

enum class Root { LocalMachine };

// Access asked for when a key is opened: read control and every specific key right.
inline constexpr unsigned KeyAccessMask = 131135;
// Size of the buffer a value is read into.
inline constexpr int ValueBufferSize = 1024;

enum class ValueKind { String, DoubleWord, Other };

struct RawValue
{
    ValueKind kind = ValueKind::String;
    QByteArray data; // the value's bytes as stored, with their length
};

class Source
{
public:
    virtual ~Source() = default;
    virtual bool openKey(Root root, const QString &key, unsigned accessMask) = 0;
    // The value of the open key; nullopt when there is no such value or it
    // does not fit in `bufferSize` bytes.
    virtual std::optional<RawValue> queryValue(const QString &valueName, int bufferSize) = 0;
    virtual void closeKey() = 0;
};

struct Reading
{
    bool found = false;
    QString text;
};

// Opens the key, reads the value, turns it into text and closes the key.
Reading readValue(Source &source, Root root, const QString &key, const QString &valueName);

// The text of a raw value: cut at its length, a last zero character dropped;
// a string as it stands, a double word as its decimal number, anything else empty.
QString valueText(const RawValue &value);

// The running system's registry (on Linux: no keys at all).
std::unique_ptr<Source> makeSystemSource();

} // namespace platform::registry
