#include "cycle/LineBlock.h"

#include "cycle/Exception.h"
#include "cycle/SettingsLines.h"
#include "cycle/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

LineBlock readBytes(const std::string& bytes)
{
    TemporaryFolder folder;
    folder.write("list.dat", bytes);
    LineBlock lines(LineList { "previous" });
    readLineBlock(folder.file("list.dat"), lines);
    return lines;
}

LineList readAsLineList(const std::string& bytes)
{
    TemporaryFolder folder;
    folder.write("list.dat", bytes);
    LineList lines;
    readLineList(folder.file("list.dat"), lines);
    return lines;
}

std::string crLfJoined(const LineList& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

// A list file is read into the same lines as any other line file, and the block always holds them
// with CR LF whatever ends they had. Tabs and other bytes below 14 are not line ends.
TEST(LineBlock, SplitsEveryTextAsALineListDoes)
{
    const std::string regular = "C:\\a.bmp\r\nC:\\b\tc.bmp\r\n\x0b\x01\r\n";
    const std::vector<std::string> texts { "", "\r\n", "\n", "\r", "a", "a\r\n\r\nb\r\n", "a\n\rb", "a\r\r\n", "a\r",
        "[Desktop]\r\nWallpaper=(None)\nTileWallpaper=1", regular, regular + "LF only\nlast",
        regular + "CR alone\rand no end", std::string("one\r\ntw\0o\r\nthree\r\n", 19), std::string("\0rest", 5),
        regular + std::string("ends at a NUL after a CR\r\0\n", 27),
        "C:\\Bilder\\Gr\xFC\xDF"
        "e.bmp\r\n",
        std::string(5000, 'y') + "\n" + std::string(13, 'z') };
    for (const std::string& text : texts) {
        LineList expected = readAsLineList(text);
        LineBlock block = readBytes(text);
        EXPECT_EQ(block, expected) << testing::PrintToString(text);
        EXPECT_EQ(block.text(), crLfJoined(expected)) << testing::PrintToString(text);
    }
}

TEST(LineBlock, ALongWellFormedFileIsReadWhole)
{
    LineList expected;
    for (int i = 0; i < 60000; ++i)
        expected.push_back("/home/user/Pictures/holiday " + std::to_string(i) + ".bmp");
    std::string text = crLfJoined(expected);
    EXPECT_EQ(readBytes(text), expected);
    // One odd line end near the end must not lose or change anything before it.
    text.insert(text.size() - 30, "\n");
    EXPECT_EQ(readBytes(text), readAsLineList(text));
}

// The file is read in pieces; a CR LF pair, a CR alone or a NUL may fall on either side of a seam.
TEST(LineBlock, LineEndsOnThePiecesSeamsSplitAsAnywhereElse)
{
    const std::vector<std::string> ends { "\r\n", "\rx\r\n", "\n\r\n", std::string("\r\0\n", 3) };
    for (std::size_t before : { 262141u, 262142u, 262143u, 262144u, 524286u, 524287u }) {
        for (const std::string& end : ends) {
            std::string text = "first\r\n" + std::string(before - 7, 'a') + end + "last";
            EXPECT_EQ(readBytes(text), readAsLineList(text)) << before << " " << testing::PrintToString(end);
        }
    }
}

TEST(LineBlock, AnUnreadableFileKeepsTheBlockAndNamesThePath)
{
    TemporaryFolder folder;
    LineBlock lines(LineList { "kept" });
    const std::string missing = folder.file("missing.dat");
    try {
        readLineBlock(missing, lines);
        FAIL() << "no error for a missing file";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + missing);
    }
    EXPECT_THROW(readLineBlock(folder.path(), lines), Exception);
    EXPECT_EQ(lines, LineList { "kept" });
}

TEST(LineBlock, IsWrittenAsItsLinesEachEndedByCrLf)
{
    TemporaryFolder folder;
    writeLineBlock(folder.file("x.dat"), LineBlock(LineList { "a", "", "C:\\b.bmp" }));
    EXPECT_EQ(folder.read("x.dat"), "a\r\n\r\nC:\\b.bmp\r\n");
    writeLineBlock(folder.file("x.dat"), LineBlock());
    EXPECT_EQ(folder.read("x.dat"), "");
    EXPECT_THROW(writeLineBlock(folder.file("no folder/x.dat"), LineBlock()), Exception);
}

// Every edit is checked against the same edit of a plain vector of strings: the offsets of the
// lines after an edit must move with it.
TEST(LineBlock, EditsKeepEveryOtherLineInPlace)
{
    std::mt19937 random(7);
    auto pick = [&](std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(random); };
    auto someLine = [&] { return std::string(pick(12), static_cast<char>('a' + pick(26))); };
    LineList model;
    LineBlock block;
    for (int step = 0; step < 2000; ++step) {
        switch (pick(5)) {
        case 0: {
            std::vector<std::string> lines(pick(4));
            for (auto& line : lines)
                line = someLine();
            std::size_t row = pick(model.size() + 1);
            block.insert(row, lines);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(row), lines.begin(), lines.end());
            break;
        }
        case 1:
            if (!model.empty()) {
                std::size_t row = pick(model.size());
                block.erase(row);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(row));
            }
            break;
        case 2:
            if (!model.empty()) {
                std::size_t row = pick(model.size());
                std::string line = someLine();
                block.replace(row, line);
                model[row] = line;
            }
            break;
        case 3: {
            std::size_t count = pick(model.size() + 3);
            std::string line = someLine();
            block.resize(count, line);
            model.resize(count, line);
            break;
        }
        default: {
            std::size_t row = pick(model.size() + 1), count = pick(3);
            std::string line = someLine();
            block.insert(row, count, line);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(row), count, line);
        }
        }
        ASSERT_EQ(block, model) << "after step " << step;
    }
    EXPECT_EQ(block.text(), crLfJoined(model));
    EXPECT_EQ(block.lines(), model);
}

TEST(LineBlock, RefusesRowsOutsideTheBlock)
{
    LineBlock block(LineList { "a", "b" });
    EXPECT_THROW(block.at(2), std::out_of_range);
    EXPECT_THROW(block.insert(3, { "x" }), std::out_of_range);
    EXPECT_THROW(block.erase(2), std::out_of_range);
    EXPECT_THROW(block.erase(1, 2), std::out_of_range);
    EXPECT_THROW(block.replace(2, "x"), std::out_of_range);
    EXPECT_EQ(block, (LineList { "a", "b" }));
}

TEST(SettingsLines, FlagLinesFollowTheSwitchAndNextLinesAndAreWrittenBackAfterThem)
{
    SettingsLines settings(1);
    settings.assign(readBytes("tr\r\n3\r\nt\r\nx\r\nf\r\n"));
    EXPECT_EQ(settings.switchCode(0), "tr");
    EXPECT_EQ(settings.next(0), "3");
    EXPECT_EQ(settings.flagCount(), 3u);
    EXPECT_EQ(settings.flag(1), "x");

    settings.setNext(0, "12");
    settings.setFlag(1, "f");
    settings.insertFlags(0, 2, "t");
    settings.removeFlag(4);
    EXPECT_EQ(settings.block().text(), "tr\r\n12\r\nt\r\nt\r\nt\r\nf\r\n");
    EXPECT_EQ(settings.lines(), (LineList { "tr", "12", "t", "t", "t", "f" }));

    settings.setAllFlags("f");
    settings.fitFlags(2, "t");
    EXPECT_EQ(settings.lines(), (LineList { "tr", "12", "f", "f" }));

    settings.assign(LineList { "f" });
    EXPECT_EQ(settings.lineCount(), 1u);
    EXPECT_EQ(settings.flagCount(), 0u) << "a short file has no flag lines";
}

TEST(LineBlock, TellsWhetherTextFollowsTheNulThatEndedTheLines)
{
    const std::string piece(300 * 1024, 'p'); // longer than one read
    struct Case {
        std::string bytes;
        bool textAfterNul;
    };
    for (const Case& c : std::vector<Case> {
             { "a\r\nb\r\n", false },
             { std::string("a\r\nb\0", 5), false },
             { std::string("a\r\nb\r\n\0\0\0\0", 10), false },
             { std::string("a\r\nb\0junk\r\nc\r\n", 14), true },
             { std::string("\0\0x", 3), true },
             { std::string("a\r\n\0", 4) + piece, true },
             { piece + std::string("\r\n\0", 3) + std::string(200 * 1024, '\0') + "x", true },
             { piece + std::string("\r\n\0", 3) + std::string(200 * 1024, '\0'), false },
         }) {
        TemporaryFolder folder;
        folder.write("list.dat", c.bytes);
        LineBlock lines;
        bool textAfterNul = !c.textAfterNul;
        readLineBlock(folder.file("list.dat"), lines, textAfterNul);
        EXPECT_EQ(textAfterNul, c.textAfterNul) << c.bytes.size() << " bytes";
        EXPECT_EQ(lines, readAsLineList(c.bytes));
    }
}
