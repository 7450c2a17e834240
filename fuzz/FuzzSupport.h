#pragma once
// What the fuzz targets share: a context of fakes made once per process,
// and the bytes of an input as Qt sees them.

#include "support/TestContext.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One context for every input: the shared state is large.
inline TestContext& fuzzContext()
{
    static TestContext* context = new TestContext;
    return *context;
}
