#pragma once

#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QListView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The whole program on a temporary folder with its stand-in machine, and one module panel opened
// from the Control Center. The error box collects its messages in `shown`; the file dialog records
// its filter in `requests` and hands over `chosen`.
template <class Panel> class PanelWindowFixture : public ::testing::Test {
protected:
    using Names = std::vector<std::string>;
    using PanelOf = Panel& (TWindowSet::*)() const;

    PanelWindowFixture(const char* controlCenterButton, PanelOf panelOf)
        : controlCenterButton_(controlCenterButton)
        , panelOf_(panelOf)
    {
    }

    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
        TFileDialog::setTestHook([this](const TFileDialogRequest& request) {
            requests.push_back(request.filter);
            return chosen;
        });
        StandInMachine(folder.path()).ensureExists();
        windows = std::make_unique<TWindowSet>(folder.path());
        windows->themainform().button(controlCenterButton_)->click();
        ASSERT_TRUE(panel().isVisible());
    }
    void TearDown() override
    {
        windows.reset();
        TErrorBox::setTestHook({});
        TFileDialog::setTestHook({});
    }

    Panel& panel() { return ((*windows).*panelOf_)(); }

    void clickRow(QListView* list, int row)
    {
        QRect place = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    // The press before the double-click selects the row, as a user's does.
    void doubleClickRow(QListView* list, int row)
    {
        clickRow(list, row);
        QRect place = list->visualRect(list->model()->index(row, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    // The panel's controls in the order the tab key visits them, from `first` round to it again;
    // by default those that take the focus by tab and click alike.
    Names focusOrder(
        QWidget* first,
        bool (*counts)(Qt::FocusPolicy) = [](Qt::FocusPolicy policy) { return policy == Qt::StrongFocus; })
    {
        Names order;
        QWidget* widget = first;
        do {
            if (counts(widget->focusPolicy()) && widget->window() == &panel())
                order.push_back(widget->objectName().toStdString());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        return order;
    }

    TemporaryFolder folder;
    std::unique_ptr<TWindowSet> windows;
    Names shown, requests, chosen;

private:
    const char* controlCenterButton_;
    PanelOf panelOf_;
};
