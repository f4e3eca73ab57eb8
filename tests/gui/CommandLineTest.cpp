#include "platform/CommandLine.h"

#include <gtest/gtest.h>

using namespace vantrel;

TEST(CommandLine, DesignPathFromArguments) {
    EXPECT_EQ(DesignPathFromArgs({}), QString());
    // The shell's form: one pair of quotes around the path.
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("\"/home/a b/Suit.VNT\"")}),
              QStringLiteral("/home/a b/Suit.VNT"));
    // A terminal's form: the path as it stands, nothing cut off.
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("/home/a/suit.vnt")}), QStringLiteral("/home/a/suit.vnt"));
    // Only one pair is removed, and only when both ends carry one.
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("\"\"x.vnt\"\"")}), QStringLiteral("\"x.vnt\""));
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("\"x.vnt")}), QStringLiteral("\"x.vnt"));
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("\"")}), QStringLiteral("\""));
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("\"\"")}), QString());
    // Later arguments are not looked at.
    EXPECT_EQ(DesignPathFromArgs({QStringLiteral("a.vnt"), QStringLiteral("b.vnt")}),
              QStringLiteral("a.vnt"));
}

TEST(CommandLine, DesignPathTestsTheLastThreeCharactersInAnyCase) {
    // No dot needed: only the last three characters count.
    for (const char* path : {"/x/suit.vnt", "/x/SUIT.VNT", "/x/suit.VnT", "vnt"})
        EXPECT_TRUE(IsDesignPath(QString::fromUtf8(path))) << path;
    for (const char* path : {"/x/suit.vnt.txt", "/x/suit.vn", "nt", ""})
        EXPECT_FALSE(IsDesignPath(QString::fromUtf8(path))) << path;
}
