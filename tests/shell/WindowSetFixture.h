#pragma once

#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TSkinnedForm.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Every window of the program over a program folder of its own, with the error box and the end of
// the program turned into test failures.
class WindowSetFixture : public ::testing::Test {
protected:
    using Names = std::vector<std::string>;

    void SetUp() override
    {
        TErrorBox::setTestHook([](const std::string& text) { FAIL() << text; });
        windows.setEndProgram([] { FAIL() << "the program ended"; });
        windows.mainWindow().showWindow();
    }
    void TearDown() override { TErrorBox::setTestHook({}); }

    Names visibleWindows() const
    {
        Names names;
        for (TSkinnedForm* window : windows.all())
            if (window->isVisible())
                names.push_back(window->table().name);
        return names;
    }

    QTemporaryDir folder;
    TWindowSet windows { folder.path().toStdString() + "/" };
};
