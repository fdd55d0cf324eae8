// Notices given on other threads run on the thread that made the window, from its message loop;
// those still waiting when the window goes are dropped, never run.
#include "win32ui/panels/sound/TNoticeWindow.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

void runWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

TEST(NoticeWindow, NoticesRunOnTheWindowsThreadAndThoseLeftAtItsEndAreDropped)
{
    std::vector<std::thread::id> ranOn;
    int dropped = 0;
    {
        TNoticeWindow window;
        std::thread([&] {
            for (int i = 0; i < 3; ++i)
                window.deliver([&] { ranOn.push_back(std::this_thread::get_id()); });
        }).join();
        EXPECT_TRUE(ranOn.empty()) << "nothing runs before the loop takes it";
        runWaitingMessages();
        EXPECT_EQ(ranOn, std::vector<std::thread::id>(3, std::this_thread::get_id()));

        std::thread([&] { window.deliver([&] { ++dropped; }); }).join();
    }
    runWaitingMessages();
    EXPECT_EQ(dropped, 0);
    EXPECT_EQ(ranOn.size(), 3u);
}
