#pragma once

#include "cycle/PosixSystem.h"
#include "shell/about/TbigaboutGeometry.h"
#include "shell/skin/TSkinnedForm.h"

class QStandardItemModel;
class TWindowSet;

// The about window, shown from the Control Center's logo: credits, the two contact entries that
// hand their address to the desktop shell, OK back to the Control Center and Quit.
class Tbigabout : public TSkinnedForm {
    Q_OBJECT
public:
    static constexpr const char* mailAddress = about::mailAddress;
    static constexpr const char* webAddress = about::webAddress;
    // The web address as the list shows it; the whole address would not fit the narrow list.
    static constexpr const char* webCaption = about::webCaption;

    explicit Tbigabout(TWindowSet& windows);

    // The shell that opens the contact entries; the program's own unless replaced.
    void setSystem(System& system) { system_ = &system; }

    void ListBox1Click();
    void okbutClick();
    void quitbutClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillMemo();
    void fillContacts();

    TWindowSet& windows_;
    PosixSystem posixSystem_;
    System* system_ = &posixSystem_;
    QStandardItemModel* contacts_ = nullptr;
};
