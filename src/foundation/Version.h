#pragma once
// The program's version. The numbers come from the build (the project's
// version), so the dialog and the executable always agree.

#include <QString>

#if !defined(MINAMO_VERSION_MAJOR) || !defined(MINAMO_VERSION_MINOR) || !defined(MINAMO_VERSION_PATCH)
#error "the build defines the program's version numbers"
#endif

inline constexpr int kVersionMajor = MINAMO_VERSION_MAJOR;
inline constexpr int kVersionMinor = MINAMO_VERSION_MINOR;
inline constexpr int kVersionRevision = MINAMO_VERSION_PATCH;

// "Version1.0.16": plain decimal numbers, no space after "Version".
inline QString versionLabel(int major, int minor, int revision)
{
    return QStringLiteral("Version%1.%2.%3").arg(major).arg(minor).arg(revision);
}
