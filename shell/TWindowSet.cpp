#include "shell/TWindowSet.h"

#include "convert/Tgfx.h"
#include "panels/logo/Tlogoform.h"
#include "panels/logo/Tlogorest.h"
#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "panels/theme/Tthemeform.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/Tthemainform.h"
#include "shell/about/Tbigabout.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/confirm/Tcancelform5.h"
#include "shell/help/Tbriskohelp.h"
#include "shell/help/Thelp.h"
#include "shell/help/Thelp2.h"
#include "shell/help/Tsaverhelp.h"
#include "shell/help/Tthemehelp.h"
#include "shell/notice/TSaveNotifier.h"

#include <QCoreApplication>
#include <stdexcept>

template <class Window> Window* TWindowSet::create()
{
    auto window = std::make_unique<Window>(*this);
    Window* raw = window.get();
    order_.push_back(raw);
    entry_->follow(*raw);
    owned_.push_back(std::move(window));
    return raw;
}

TWindowSet::TWindowSet(std::string programDirectory)
    // exit() rather than quit(): quit() first asks every visible window to close, and the panels
    // and the about window answer a close by returning to the Control Center, which cancels it.
    : end_([] { QCoreApplication::exit(0); })
    , programDirectory_(std::move(programDirectory))
{
    notifier_ = std::make_unique<TSaveNotifier>();
    entry_ = std::make_unique<TTaskbarEntry>();
    themainform_ = create<Tthemainform>();
    murelloform_ = create<Tmurelloform>();
    tonvikform_ = create<Ttonvikform>();
    help2_ = create<Thelp2>();
    help_ = create<Thelp>();
    gfx_ = create<Tgfx>();
    saverform_ = create<Tsaverform>();
    saverhelp_ = create<Tsaverhelp>();
    logoform_ = create<Tlogoform>();
    briskohelp_ = create<Tbriskohelp>();
    bigabout_ = create<Tbigabout>();
    logorest_ = create<Tlogorest>();
    themeform_ = create<Tthemeform>();
    themehelp_ = create<Tthemehelp>();
    cancelform_ = create<Tcancelform>();
    cancelform2_ = create<Tcancelform2>();
    cancelform3_ = create<Tcancelform3>();
    cancelform4_ = create<Tcancelform4>();
    cancelform5_ = create<Tcancelform5>();
}

void TWindowSet::setSaveNotifier(std::unique_ptr<TSaveNotifier> notifier)
{
    notifier_ = std::move(notifier);
}

// Destroyed in the reverse order of creation, the Control Center last.
TWindowSet::~TWindowSet()
{
    // The taskbar button goes first: a window going away may hand it the focus, and it would
    // then bring forward windows that are already gone.
    entry_.reset();
    while (!owned_.empty())
        owned_.pop_back();
}

TSkinnedForm& TWindowSet::find(std::string_view className) const
{
    for (TSkinnedForm* window : order_)
        if (className == window->table().name)
            return *window;
    throw std::logic_error("The program has no window " + std::string(className));
}
