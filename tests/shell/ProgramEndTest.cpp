#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Ending is tried on the real program with its own event loop: a window that refuses to close
// would keep the process running, which a replaced end step can never show.
TEST(ProgramEnd, QuitEscAndTheCloseButtonEndTheProgramWhateverIsOpen)
{
    for (const char* how : { "quit", "esc", "close", "system" }) {
        SCOPED_TRACE(how);
        QTemporaryDir folder;
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(ZENTREL_END_PROBE, { folder.path() + "/", how });
        ASSERT_TRUE(program.waitForStarted());
        // Only a guard against a program that never ends; it normally ends at once.
        bool ended = program.waitForFinished(10000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        EXPECT_TRUE(ended) << "the program kept running";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
}
