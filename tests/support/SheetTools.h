#pragma once

// What the sheet tests share: golden designs read as the command line reads them, and the
// poppler tools that read a PDF back.

#include "files/DesignFile.h"
#include "model/Context.h"
#include "rules/ArmorList.h"
#include "rules/MainCalc.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace vantrel::test {

inline const std::string kGoldenData = VANTREL_SOURCE_DIR "/tests/data/";

// A golden design as the command line reads it: the file, then the totals recomputed. The designs
// under shipped-catalog/ are made of items of the shipped catalog, the others of the test one.
inline Context LoadGolden(const std::string& name,
                          const std::string& catalog = kGoldenData + "catalog/stuff.plb") {
    Context c;
    CatalogError catalogError;
    EXPECT_TRUE(LoadSharedCatalog(catalog, c.catalog, catalogError)) << catalogError.message;
    std::string error;
    int record = 0;
    EXPECT_TRUE(DoOpen(kGoldenData + name + "/design.vnt", c.design, error, record)) << error;
    c.armorList = ArmorListFor(c.design);
    MainCalc(c);
    return c;
}

// The output of a poppler tool.
inline QString Poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << tool.toStdString() << " (poppler-utils) is needed";
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The output of a poppler tool run on PDF bytes: the file, then "-" for the output where the tool
// takes one.
inline QString Poppler(const QString& tool, QStringList args, const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.pdf"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    args << path;
    if (tool != QStringLiteral("pdftohtml")) args << QStringLiteral("-");
    return Poppler(tool, args);
}

}  // namespace vantrel::test
