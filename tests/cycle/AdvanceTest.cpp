#include "cycle/Advance.h"

#include "cycle/ClockRandomSource.h"
#include "cycle/Exception.h"
#include "cycle/IntegerText.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

TEST(Advance, InOrderStepsOnAndWrapsToTheFirst)
{
    ScriptedRandom none;
    EXPECT_EQ(advancePosition(1, 3, false, none), 2u);
    EXPECT_EQ(advancePosition(3, 3, false, none), 1u);
    EXPECT_EQ(advancePosition(1, 1, false, none), 1u);
}

TEST(Advance, RandomOverOneEntryStaysOnItWithoutDrawing)
{
    ScriptedRandom none;
    EXPECT_EQ(advancePosition(1, 1, true, none), 1u);
}

TEST(Advance, RandomOverTwoEntriesAlternates)
{
    ClockRandomSource clock;
    std::size_t position = 1;
    for (int save = 0; save < 50; ++save) {
        std::size_t next = advancePosition(position, 2, true, clock);
        ASSERT_EQ(next, 3 - position);
        position = next;
    }
}

TEST(Advance, EveryDrawMapsToAnotherPositionAndEachOtherPositionOnce)
{
    // A uniform draw over the other positions needs the draws to cover them one to one.
    for (std::size_t count : { 2u, 3u, 7u }) {
        for (std::size_t current = 1; current <= count; ++current) {
            ScriptedRandom scripted;
            std::set<std::size_t> reached;
            for (std::size_t draw = 0; draw + 1 < count; ++draw) {
                scripted.draws.push_back(draw);
                std::size_t next = advancePosition(current, count, true, scripted);
                EXPECT_EQ(scripted.lastRange, count - 1);
                EXPECT_NE(next, current);
                EXPECT_GE(next, 1u);
                EXPECT_LE(next, count);
                reached.insert(next);
            }
            EXPECT_EQ(reached.size(), count - 1) << "count " << count << " current " << current;
        }
    }
}

TEST(Advance, ClockSourceSpreadsEvenlyOverTheOtherPositions)
{
    ClockRandomSource clock;
    std::map<std::size_t, int> drawn;
    const int saves = 20000;
    for (int save = 0; save < saves; ++save)
        ++drawn[advancePosition(3, 5, true, clock)];
    EXPECT_FALSE(drawn.contains(3));
    ASSERT_EQ(drawn.size(), 4u);
    // Each of the four should get a quarter; the bounds are many standard deviations wide.
    for (auto [position, times] : drawn) {
        EXPECT_GT(times, saves / 4 - 800) << position;
        EXPECT_LT(times, saves / 4 + 800) << position;
    }
}

TEST(IntegerText, ReadsTheStoredFormsOfAPosition)
{
    EXPECT_EQ(integerFromText("1"), 1);
    EXPECT_EQ(integerFromText("0"), 0);
    EXPECT_EQ(integerFromText("007"), 7);
    EXPECT_EQ(integerFromText("  12"), 12);
    EXPECT_EQ(integerFromText("+3"), 3);
    EXPECT_EQ(integerFromText("-2"), -2);
    EXPECT_EQ(integerFromText("$1F"), 31);
    EXPECT_EQ(integerFromText("-$a"), -10);
    EXPECT_EQ(integerFromText("2147483647"), 2147483647);
    EXPECT_EQ(integerFromText("-2147483648"), -2147483647 - 1);
}

TEST(IntegerText, RefusesAnythingElseNamingTheText)
{
    for (const char* text : { "", " ", "x", "1x", "12 ", "+", "-", "$", "$g", "1.0", "2147483648", "\t1", "--1" }) {
        try {
            integerFromText(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}
