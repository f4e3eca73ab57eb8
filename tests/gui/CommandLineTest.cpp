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
    EXPECT_TRUE(IsDesignPath(QStringLiteral("/x/suit.vnt")));
    EXPECT_TRUE(IsDesignPath(QStringLiteral("/x/SUIT.VNT")));
    EXPECT_TRUE(IsDesignPath(QStringLiteral("/x/suit.VnT")));
    EXPECT_TRUE(IsDesignPath(QStringLiteral("vnt")));  // no dot needed: only the last three characters count
    EXPECT_FALSE(IsDesignPath(QStringLiteral("/x/suit.vnt.txt")));
    EXPECT_FALSE(IsDesignPath(QStringLiteral("/x/suit.vn")));
    EXPECT_FALSE(IsDesignPath(QStringLiteral("nt")));
    EXPECT_FALSE(IsDesignPath(QString()));
}
