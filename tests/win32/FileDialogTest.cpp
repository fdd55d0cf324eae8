#include "win32ui/skin/TFileDialog.h"
#include "win32ui/skin/TWideText.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(FileDialogTest, FiltersBecomeTheDialogsPairsEndedTwice)
{
    EXPECT_EQ(TFileDialog::dialogFilter("Bitmap Image|*.bmp"), L"Bitmap Image\0*.bmp\0\0"s);
    EXPECT_EQ(TFileDialog::dialogFilter("Pictures|*.jpg;*.gif|All|*.*"), L"Pictures\0*.jpg;*.gif\0All\0*.*\0\0"s);
}

TEST(FileDialogTest, OneChoiceIsAWholePathSeveralAreAFolderAndNames)
{
    std::wstring one = L"C:\\pics\\a.bmp\0\0"s;
    EXPECT_EQ(TFileDialog::chosenPaths(one.c_str()), std::vector<std::wstring> { L"C:\\pics\\a.bmp" });
    std::wstring several = L"C:\\pics\0a.bmp\0b c.bmp\0\0"s;
    EXPECT_EQ(TFileDialog::chosenPaths(several.c_str()),
        (std::vector<std::wstring> { L"C:\\pics\\a.bmp", L"C:\\pics\\b c.bmp" }));
    std::wstring atRoot = L"C:\\\0a.bmp\0b.bmp\0\0"s;
    EXPECT_EQ(TFileDialog::chosenPaths(atRoot.c_str()), (std::vector<std::wstring> { L"C:\\a.bmp", L"C:\\b.bmp" }));
}

// A name the code page cannot hold must not become another name with '?' in it.
TEST(FileDialogTest, TextOutsideTheCodePageIsRefusedNotGuessed)
{
    std::string ansi;
    EXPECT_TRUE(tryToAnsi(L"C:\\pics\\plain.bmp", ansi));
    EXPECT_EQ(ansi, "C:\\pics\\plain.bmp");
    EXPECT_FALSE(tryToAnsi(L"C:\\pics\\\u4e2d\u6587.bmp", ansi));
    EXPECT_THROW(toAnsi(L"\u4e2d"), std::runtime_error);
    EXPECT_EQ(fromAnsi(toAnsi(L"r\u00e9sum\u00e9")), L"r\u00e9sum\u00e9");
}
