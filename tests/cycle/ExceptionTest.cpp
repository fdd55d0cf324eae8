#include "cycle/Exception.h"

#include <gtest/gtest.h>

TEST(FormatMessage, PutsTheNameWhereThePatternSaysAndOnlyOnce)
{
    EXPECT_EQ(formatMessage("Cannot open file %s", "C:\\a%s.dat"), "Cannot open file C:\\a%s.dat");
    EXPECT_EQ(formatMessage("'%s' is not a valid integer value", "x"), "'x' is not a valid integer value");
    EXPECT_EQ(formatMessage("List index out of bounds", "x"), "List index out of bounds");
}
