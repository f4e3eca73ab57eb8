#pragma once

// Reading and writing whole files in the window tests.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace vantrel::test {

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

inline QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// A golden file of tests/data.
inline QString Golden(const QString& name) {
    return QStringLiteral(VANTREL_SOURCE_DIR "/tests/data/") + name;
}

}  // namespace vantrel::test
