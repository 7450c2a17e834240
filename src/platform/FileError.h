#pragma once
#include <QString>

// The outcome of a file operation, sorted the way the program reacts to it.
struct FileError {
    enum class Kind {
        None,        // success
        NotFound,    // the file or its folder does not exist
        HeldByOther, // another process holds the file: wait and try again
        Other,       // anything else
    };
    Kind kind = Kind::None;
    QString text; // the operating system's error text
    int code = 0; // the operating system's error number

    explicit operator bool() const { return kind != Kind::None; }
    static FileError none() { return {}; }
};
