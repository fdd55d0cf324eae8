#include "cycle/LineList.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/LineSplitter.h"
#include "cycle/TemporaryFolder.h"
#include "support/FailureOf.h"

#include <gtest/gtest.h>

namespace {

LineList readBytes(const std::string& bytes)
{
    TemporaryFolder folder;
    folder.write("list.dat", bytes);
    LineList lines { "previous" };
    readLineList(folder.file("list.dat"), lines);
    return lines;
}

} // namespace

TEST(ReadLineList, EveryKindOfLineEndSplitsTheSameWay)
{
    const LineList expected { "[Desktop]", "Wallpaper=(None)", "TileWallpaper=1" };
    EXPECT_EQ(readBytes("[Desktop]\r\nWallpaper=(None)\r\nTileWallpaper=1\r\n"), expected);
    EXPECT_EQ(readBytes("[Desktop]\nWallpaper=(None)\nTileWallpaper=1\n"), expected);
    EXPECT_EQ(readBytes("[Desktop]\rWallpaper=(None)\rTileWallpaper=1\r"), expected);
    EXPECT_EQ(readBytes("[Desktop]\r\nWallpaper=(None)\nTileWallpaper=1"), expected);
}

TEST(ReadLineList, EmptyLinesAreEntriesButAFinalLineEndAddsNone)
{
    EXPECT_EQ(readBytes(""), LineList {});
    EXPECT_EQ(readBytes("\r\n"), LineList { "" });
    EXPECT_EQ(readBytes("a\r\n\r\nb\r\n"), (LineList { "a", "", "b" }));
    // LF CR is two line ends, not one.
    EXPECT_EQ(readBytes("a\n\rb"), (LineList { "a", "", "b" }));
    EXPECT_EQ(readBytes("a\r\r\n"), (LineList { "a", "" }));
}

TEST(ReadLineList, ANulEndsTheText)
{
    EXPECT_EQ(readBytes(std::string("one\r\ntw\0o\r\nthree\r\n", 19)), (LineList { "one", "tw" }));
    EXPECT_EQ(readBytes(std::string("\0rest", 5)), LineList {});
}

TEST(ReadLineList, KeepsEightBitBytesAndLongLinesWhole)
{
    const std::string longLine(100000, 'x');
    EXPECT_EQ(readBytes("C:\\Bilder\\Gr\xFC\xDF"
                        "e.bmp\r\n"
                  + longLine + "\r\nafter\r\n"),
        (LineList { "C:\\Bilder\\Gr\xFC\xDF"
                    "e.bmp",
            longLine, "after" }));
}

TEST(ReadLineList, AnUnreadableFileKeepsTheListAndNamesThePath)
{
    TemporaryFolder folder;
    LineList lines { "kept" };
    const std::string missing = folder.file("missing.dat");
    try {
        readLineList(missing, lines);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + missing);
    }
    EXPECT_THROW(readLineList(folder.path(), lines), Exception);
    EXPECT_EQ(lines, LineList { "kept" });
}

TEST(WriteLineList, EndsEveryLineWithCrLfAndRoundTrips)
{
    TemporaryFolder folder;
    const LineList lines { "[windows]", "", "load=", std::string(5000, 'y') };
    writeLineList(folder.file("win.ini"), lines);
    EXPECT_EQ(folder.read("win.ini"), "[windows]\r\n\r\nload=\r\n" + std::string(5000, 'y') + "\r\n");
    LineList back;
    readLineList(folder.file("win.ini"), back);
    EXPECT_EQ(back, lines);

    writeLineList(folder.file("win.ini"), {});
    EXPECT_EQ(folder.read("win.ini"), "");
}

TEST(WriteLineList, LfOnlyFileIsWrittenBackWithCrLf)
{
    TemporaryFolder folder;
    folder.write("win.ini", "[Desktop]\nWallpaper=(None)\n");
    LineList lines;
    readLineList(folder.file("win.ini"), lines);
    writeLineList(folder.file("win.ini"), lines);
    EXPECT_EQ(folder.read("win.ini"), "[Desktop]\r\nWallpaper=(None)\r\n");
}

// win.ini and system.ini belong to other programs: what stands after a NUL is theirs, even though
// the lines stop there.
TEST(WriteLineList, AWindowsFileKeepsWhatFollowsItsNulAfterTheEditedLines)
{
    struct Case {
        std::string before, after;
    };
    const std::string sections = std::string("\0[Other]\r\nx=1\r\n", 15);
    for (const Case& c : std::vector<Case> {
             { "[Desktop]\r\nWallpaper=a\r\n" + sections, "[Desktop]\r\nWallpaper=b\r\n" + sections },
             { "[Desktop]\nWallpaper=a" + sections, "[Desktop]\r\nWallpaper=b\r\n" + sections },
             { "[Desktop]\r\nWallpaper=a" + std::string("\0", 1),
                 "[Desktop]\r\nWallpaper=b\r\n" + std::string("\0", 1) },
             { "[Desktop]\r\nWallpaper=a\r\n", "[Desktop]\r\nWallpaper=b\r\n" },
         }) {
        TemporaryFolder folder;
        folder.write("win.ini", c.before);
        LineFiles files;
        LineList lines;
        files.read(folder.file("win.ini"), lines);
        ASSERT_EQ(lines, (LineList { "[Desktop]", "Wallpaper=a" }));
        lines[1] = "Wallpaper=b";
        files.write(folder.file("win.ini"), lines);
        EXPECT_EQ(folder.read("win.ini"), c.after) << testing::PrintToString(c.before);
        EXPECT_EQ(bytesFromNul(folder.file("win.ini")), c.after.substr(std::min(c.after.find('\0'), c.after.size())));
    }
}

TEST(WriteLineList, FailureNamesThePathAndLeavesNothingBehind)
{
    TemporaryFolder folder;
    const std::string target = folder.file("no-such-folder/murello.dat");
    try {
        writeLineList(target, { "a" });
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + target);
    }
    EXPECT_EQ(folder.entryCount(), 0u);
}

TEST(FindLinesByPrefix, ComparesTheUpperCasedPrefixOfEachLine)
{
    const LineList win { "[Desktop]", "wallpaper=a.bmp", "WallPaper=b.bmp", " Wallpaper=c.bmp", "Wallpaper",
        "TileWallpaper=1", "[Boot]", "tilewallpa" };
    EXPECT_EQ(findLinesByPrefix(win, 10, "WALLPAPER="), (std::vector<std::size_t> { 1, 2 }));
    EXPECT_EQ(findLinesByPrefix(win, 10, "TILEWALLPA"), (std::vector<std::size_t> { 5, 7 }));
    EXPECT_EQ(findLinesByPrefix(win, 6, "[BOOT]"), (std::vector<std::size_t> { 6 }));
    EXPECT_TRUE(findLinesByPrefix(win, 8, "SCRNSAVE").empty());
}

TEST(FindLinesByPrefix, UpperCasesOnlyAsciiLetters)
{
    // 0xE4 is a lower-case letter in Latin-1; it must not be turned into 0xC4.
    const LineList lines { "\xE4name=1", "\xC4NAME=1", "[boot]" };
    EXPECT_EQ(findLinesByPrefix(lines, 6, "\xC4NAME="), (std::vector<std::size_t> { 1 }));
    EXPECT_EQ(findLinesByPrefix(lines, 6, "[BOOT]"), (std::vector<std::size_t> { 2 }));
}

TEST(LineSplitter, PiecesCutAnywhereGiveTheSameLines)
{
    const std::vector<std::pair<std::string, LineList>> cases {
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\rb\rc", { "a", "b", "c" } },
        { "a\r\r\n\n\rb", { "a", "", "", "", "b" } },
        { "long line\r\n\r\nx", { "long line", "", "x" } },
        { std::string("ab\r\ncd\0ef\r\n", 11), { "ab", "cd" } },
    };
    for (const auto& [text, expected] : cases) {
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            LineSplitter splitter;
            splitter.feed(std::string_view(text).substr(0, cut));
            splitter.feed(std::string_view(text).substr(cut));
            EXPECT_EQ(splitter.finish(), expected) << "cut at " << cut;
        }
        LineSplitter bytewise;
        for (char c : text)
            bytewise.feed(std::string_view(&c, 1));
        EXPECT_EQ(bytewise.finish(), expected);
    }
}

TEST(ReadLineList, FilesLargerThanOneReadKeepEveryLine)
{
    TemporaryFolder folder;
    std::string text;
    LineList expected;
    for (int i = 0; i < 100000; ++i) {
        expected.push_back("C:\\Pictures\\picture" + std::to_string(i) + ".bmp");
        text += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    }
    folder.write("murello.dat", text);
    LineList lines;
    readLineList(folder.file("murello.dat"), lines);
    EXPECT_EQ(lines, expected);
}

TEST(EditLineList, AnEditSavedByAnotherProgramMeanwhileIsKeptAndOursMadeAgainOnIt)
{
    TemporaryFolder folder;
    const std::string winIni = folder.file("win.ini");
    folder.write("win.ini", "[Desktop]\r\nWallpaper=a\r\n" + std::string("\0tail", 5));
    int edits = 0;
    LineList lines;
    LineFiles().edit(winIni, lines, [&](LineList& image) {
        // The user saves the file by hand while the program edits the copy it read.
        if (edits++ == 0)
            folder.write("win.ini", "[Desktop]\r\nWallpaper=a\r\n[Fonts]\r\nhand=1\r\n");
        image[1] = "Wallpaper=b";
    });
    EXPECT_EQ(edits, 2);
    EXPECT_EQ(folder.read("win.ini"), "[Desktop]\r\nWallpaper=b\r\n[Fonts]\r\nhand=1\r\n");
    EXPECT_EQ(lines, (LineList { "[Desktop]", "Wallpaper=b", "[Fonts]", "hand=1" }));
}

TEST(EditLineList, SavesThatKeepOvertakingItOrAnEditThatFailsLeaveTheFileAsItIs)
{
    TemporaryFolder folder;
    const std::string systemIni = folder.file("system.ini");
    folder.write("system.ini", "[boot]\r\n");
    int edits = 0;
    LineList lines { "kept" };
    auto overtaken = [&](LineList& image) {
        folder.write("system.ini", "[boot]\r\nhand=" + std::to_string(++edits) + "\r\n");
        image.push_back("SCRNSAVE.EXE=x.scr");
    };
    EXPECT_EQ(failureOf([&] { editLineList(systemIni, lines, overtaken); }),
        systemIni + " kept changing while it was being written");
    EXPECT_EQ(folder.read("system.ini"), "[boot]\r\nhand=" + std::to_string(edits) + "\r\n");
    EXPECT_EQ(edits, 20);
    EXPECT_EQ(lines, LineList { "kept" });

    EXPECT_EQ(failureOf([&] {
        editLineList(systemIni, lines, [](LineList&) { throw Exception("Unable to insert a line"); });
    }),
        "Unable to insert a line");
    EXPECT_EQ(folder.entryCount(), 1u);
}
