#pragma once

// Tests and benchmarks reach the window's controls by objectName, so the pages may keep them private.

#include <QObject>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

#if __has_include(<gtest/gtest.h>) && !defined(VANTREL_FIND_ABORTS)
#include <gtest/gtest.h>
#define VANTREL_FIND_FAIL(name) (std::fprintf(stderr, "no control named %s\n", (name)), ADD_FAILURE() << "no control named " << (name))
#else
#define VANTREL_FIND_FAIL(name) (std::fprintf(stderr, "no control named %s\n", (name)), std::abort())
#endif

namespace vantrel::test {

template <class T>
T* Find(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        VANTREL_FIND_FAIL(name);
        std::abort();  // a missing control would only crash later, further from the cause
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
