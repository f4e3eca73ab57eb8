#pragma once

// Tests and benchmarks reach the window's controls by objectName, so the pages may keep them private.

#include <QObject>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace vantrel::test {

template <class T>
T* Find(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        // A missing control would only crash later, further from the cause.
        std::fprintf(stderr, "no control named %s\n", name);
        std::abort();
    }
    return found;
}

// Arrays of controls are named Name_0, Name_1, ...; the status panels count from 1.
template <class T>
T* FindAt(const QObject& root, const char* name, long long index) {
    const std::string full = std::string(name) + "_" + std::to_string(index);
    return Find<T>(root, full.c_str());
}

}  // namespace vantrel::test
