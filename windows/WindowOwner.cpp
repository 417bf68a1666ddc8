#include "windows/WindowOwner.h"

#include "store/DataFileLock.h"

#include "windows/controls/FocusFrame.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"
#include "windows/preview/EmailGroup.h"
#include "windows/preview/PreviewFrm.h"
#include "windows/start/StartUpFrm.h"

namespace windows {
namespace {

// A window may unload itself from one of its own handlers, so the deletion waits
// until control is back in the event loop. When the window had the keyboard, the
// window it serves takes it back, so keyboard work goes on where it left off.
template <typename Window>
void unload(std::unique_ptr<Window>& window, QWidget* backTo = nullptr)
{
    if (!window)
        return;
    const bool hadKeyboard = window->isActiveWindow();
    window->hide();
    window.release()->deleteLater();
    if (hadKeyboard && backTo && backTo->isVisible())
        backTo->activateWindow();
}

template <typename Window>
Window& load(std::unique_ptr<Window>& window, WindowOwner& owner)
{
    if (!window)
        window = std::make_unique<Window>(owner);
    return *window;
}

} // namespace

WindowOwner::WindowOwner(store::AppState& state, platform::Services services) : state_(state), services_(services)
{
    FocusFrame::followFocus();
}

// The small windows go first: they refer to the main and start windows.
WindowOwner::~WindowOwner()
{
    previewFrm_.reset();
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
PreviewFrm& WindowOwner::previewFrm() { return load(previewFrm_, *this); }

void WindowOwner::unloadStartUp() { unload(startUp_); }
void WindowOwner::unloadNewFileFrm() { unload(newFileFrm_); }
void WindowOwner::unloadEncryptionFrm() { unload(encryptionFrm_); }
void WindowOwner::unloadEmailGroup() { unload(emailGroup_, dataFrm_.get()); }
void WindowOwner::unloadPreviewFrm() { unload(previewFrm_, dataFrm_ ? static_cast<QWidget*>(dataFrm_.get()) : startUp_.get()); }
void WindowOwner::unloadLinkFrm() { unload(linkFrm_, dataFrm_.get()); }
void WindowOwner::unloadNewLinkFrm() { unload(newLinkFrm_, dataFrm_.get()); }
void WindowOwner::unloadBrowseFrm() { unload(browseFrm_, newLinkFrm_ ? static_cast<QWidget*>(newLinkFrm_.get()) : dataFrm_.get()); }
void WindowOwner::unloadQuickLinkFrm() { unload(quickLinkFrm_, newLinkFrm_ ? static_cast<QWidget*>(newLinkFrm_.get()) : dataFrm_.get()); }

// The main window takes the small windows that serve it along, and the open file's
// lock goes at once (the window itself is deleted later, maybe after another file
// has been opened and locked).
void WindowOwner::unloadDataFrm()
{
    state().Lock.reset();
    unload(emailGroup_);
    unload(quickLinkFrm_);
    unload(browseFrm_);
    unload(newLinkFrm_);
    unload(linkFrm_);
    unload(dataFrm_);
}

} // namespace windows
