// What the fuzz targets share: the fuzzer's bytes as Qt types and a check that stops the
// run, so the fuzzer keeps the input, when a reader breaks a promise its header makes.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FuzzInput {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The first byte as a handful of switches, the rest as the input proper; no switches for an
// empty input.
struct Split {
    unsigned switches = 0;
    QByteArray rest;
};

inline Split Switches(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    return {data[0], Bytes(data + 1, size - 1)};
}

inline void Require(bool ok, const char* promise)
{
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace FuzzInput
