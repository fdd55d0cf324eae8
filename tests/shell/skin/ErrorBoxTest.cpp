#include "cycle/Exception.h"
#include "shell/skin/TErrorBox.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class ErrorBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
    }
    void TearDown() override { TErrorBox::setTestHook({}); }

    std::vector<std::string> shown;
};

} // namespace

TEST_F(ErrorBox, ShowsTheMessageWithAFullStopAlwaysAppended)
{
    TErrorBox::run([] { throw Exception("Cannot open file /tmp/murello.dat"); });
    TErrorBox::run([] { throw Exception("Bitmap image is not valid."); });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Cannot open file /tmp/murello.dat.");
    EXPECT_EQ(shown[1], "Bitmap image is not valid..");
}

TEST_F(ErrorBox, HandlerStopsWhereItThrowsAndWhatRanBeforeStays)
{
    int steps = 0;
    TErrorBox::run([&] {
        ++steps;
        throw Exception("List index out of bounds");
        ++steps;
    });
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(shown, std::vector<std::string> { "List index out of bounds." });
}

TEST_F(ErrorBox, NoExceptionOfAnyKindEscapes)
{
    EXPECT_NO_THROW(TErrorBox::run([] { throw std::bad_alloc(); }));
    EXPECT_NO_THROW(TErrorBox::run([] { throw 42; }));
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(ErrorBox, GuardedHandlerTakesOrIgnoresTheSignalsArguments)
{
    int received = 0;
    auto withArgument = guarded([&](int value) { received = value; });
    auto withoutArgument = guarded([&] { ++received; });
    withArgument(7);
    withoutArgument(true);
    EXPECT_EQ(received, 8);
    guarded([] { throw Exception("'x' is not a valid integer value"); })();
    EXPECT_EQ(shown, std::vector<std::string> { "'x' is not a valid integer value." });
}

TEST_F(ErrorBox, WithoutAnExceptionNothingIsShown)
{
    TErrorBox::run([] {});
    EXPECT_TRUE(shown.empty());
}
