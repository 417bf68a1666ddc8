#pragma once

#include "platform/Platform.h"
#include "store/AppState.h"

#include <QString>

#include <memory>

namespace windows {

class DataFrm;
class StartUpFrm;

// Loads each window on first use and unloads (deletes) it on request, so that the
// windows can reach each other without globals: "unload the main window" is one
// call, and touching a window that is not loaded loads it.
class WindowOwner {
public:
    WindowOwner(store::AppState& state, platform::Services services);
    ~WindowOwner();

    StartUpFrm& startUp();
    DataFrm& dataFrm();
    bool isStartUpLoaded() const { return startUp_ != nullptr; }
    bool isDataFrmLoaded() const { return dataFrm_ != nullptr; }
    void unloadStartUp();
    void unloadDataFrm();

    store::AppState& state() { return state_; }
    platform::Services& services() { return services_; }
    QString programFolder() const;

private:
    store::AppState& state_;
    platform::Services services_;
    std::unique_ptr<StartUpFrm> startUp_;
    std::unique_ptr<DataFrm> dataFrm_;
};

} // namespace windows
