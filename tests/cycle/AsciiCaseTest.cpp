#include "cycle/AsciiCase.h"

#include <gtest/gtest.h>

TEST(AsciiCase, OnlyTheAsciiLettersChange)
{
    EXPECT_EQ(upperAscii("[desktop] wallPaper=c:\\my.scr"), "[DESKTOP] WALLPAPER=C:\\MY.SCR");
    EXPECT_EQ(upperAscii("`az{@AZ["), "`AZ{@AZ[") << "the neighbours of the letters stay";
    const std::string latin1 = "\xe4\xf6\xfc\xe9\xff\xb5";
    EXPECT_EQ(upperAscii(latin1), latin1) << "bytes of other code pages are never letters here";
    EXPECT_EQ(upperAscii(std::string_view("a\0b", 3)), std::string("A\0B", 3));
}
