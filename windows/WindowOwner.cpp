#include "windows/WindowOwner.h"

#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

namespace windows {

WindowOwner::WindowOwner(store::AppState& state, platform::Services services) : state_(state), services_(services) {}

WindowOwner::~WindowOwner() = default;

QString WindowOwner::programFolder() const
{
    return QString::fromStdString(state_.ProgramFolder.string());
}

StartUpFrm& WindowOwner::startUp()
{
    if (!startUp_)
        startUp_ = std::make_unique<StartUpFrm>(*this);
    return *startUp_;
}

DataFrm& WindowOwner::dataFrm()
{
    if (!dataFrm_)
        dataFrm_ = std::make_unique<DataFrm>(*this);
    return *dataFrm_;
}

// A window may unload itself from one of its own handlers, so the deletion waits
// until control is back in the event loop.
void WindowOwner::unloadStartUp()
{
    if (startUp_) {
        startUp_->hide();
        startUp_.release()->deleteLater();
    }
}

void WindowOwner::unloadDataFrm()
{
    if (dataFrm_) {
        dataFrm_->hide();
        dataFrm_.release()->deleteLater();
    }
}

} // namespace windows
