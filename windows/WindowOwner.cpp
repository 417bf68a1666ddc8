#include "windows/WindowOwner.h"

#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"
#include "windows/preview/EmailGroup.h"
#include "windows/start/StartUpFrm.h"

namespace windows {
namespace {

// A window may unload itself from one of its own handlers, so the deletion waits
// until control is back in the event loop.
template <typename Window>
void unload(std::unique_ptr<Window>& window)
{
    if (window) {
        window->hide();
        window.release()->deleteLater();
    }
}

template <typename Window>
Window& load(std::unique_ptr<Window>& window, WindowOwner& owner)
{
    if (!window)
        window = std::make_unique<Window>(owner);
    return *window;
}

} // namespace

WindowOwner::WindowOwner(store::AppState& state, platform::Services services) : state_(state), services_(services) {}

// The small windows go first: they refer to the main and start windows.
WindowOwner::~WindowOwner()
{
    encryptionFrm_.reset();
    newFileFrm_.reset();
    emailGroup_.reset();
    quickLinkFrm_.reset();
    browseFrm_.reset();
    newLinkFrm_.reset();
    linkFrm_.reset();
    dataFrm_.reset();
    startUp_.reset();
}

QString WindowOwner::programFolder() const
{
    return QString::fromStdString(state_.ProgramFolder.string());
}

StartUpFrm& WindowOwner::startUp() { return load(startUp_, *this); }
DataFrm& WindowOwner::dataFrm() { return load(dataFrm_, *this); }
NewFileFrm& WindowOwner::newFileFrm() { return load(newFileFrm_, *this); }
EncryptionFrm& WindowOwner::encryptionFrm() { return load(encryptionFrm_, *this); }
LinkFrm& WindowOwner::linkFrm() { return load(linkFrm_, *this); }
NewLinkFrm& WindowOwner::newLinkFrm() { return load(newLinkFrm_, *this); }
BrowseFrm& WindowOwner::browseFrm() { return load(browseFrm_, *this); }
QuickLinkFrm& WindowOwner::quickLinkFrm() { return load(quickLinkFrm_, *this); }
EmailGroup& WindowOwner::emailGroup() { return load(emailGroup_, *this); }

void WindowOwner::unloadStartUp() { unload(startUp_); }
void WindowOwner::unloadNewFileFrm() { unload(newFileFrm_); }
void WindowOwner::unloadEncryptionFrm() { unload(encryptionFrm_); }
void WindowOwner::unloadLinkFrm() { unload(linkFrm_); }
void WindowOwner::unloadNewLinkFrm() { unload(newLinkFrm_); }
void WindowOwner::unloadBrowseFrm() { unload(browseFrm_); }
void WindowOwner::unloadQuickLinkFrm() { unload(quickLinkFrm_); }
void WindowOwner::unloadEmailGroup() { unload(emailGroup_); }

// The main window takes the small windows that serve it along.
void WindowOwner::unloadDataFrm()
{
    unload(emailGroup_);
    unload(quickLinkFrm_);
    unload(browseFrm_);
    unload(newLinkFrm_);
    unload(linkFrm_);
    unload(dataFrm_);
}

} // namespace windows
