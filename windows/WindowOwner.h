#pragma once

#include "platform/Platform.h"
#include "store/AppState.h"

#include <QPageLayout>
#include <QString>

#include <memory>

namespace windows {

class BrowseFrm;
class DataFrm;
class EncryptionFrm;
class EmailGroup;
class LinkFrm;
class NewFileFrm;
class NewLinkFrm;
class PreviewFrm;
class QuickLinkFrm;
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

    NewFileFrm& newFileFrm();
    EncryptionFrm& encryptionFrm();
    bool isNewFileFrmLoaded() const { return newFileFrm_ != nullptr; }
    bool isEncryptionFrmLoaded() const { return encryptionFrm_ != nullptr; }
    void unloadNewFileFrm();
    void unloadEncryptionFrm();

    LinkFrm& linkFrm();
    NewLinkFrm& newLinkFrm();
    BrowseFrm& browseFrm();
    QuickLinkFrm& quickLinkFrm();
    bool isLinkFrmLoaded() const { return linkFrm_ != nullptr; }
    bool isNewLinkFrmLoaded() const { return newLinkFrm_ != nullptr; }
    bool isBrowseFrmLoaded() const { return browseFrm_ != nullptr; }
    bool isQuickLinkFrmLoaded() const { return quickLinkFrm_ != nullptr; }
    void unloadLinkFrm();
    void unloadNewLinkFrm();
    void unloadBrowseFrm();
    void unloadQuickLinkFrm();

    EmailGroup& emailGroup();
    bool isEmailGroupLoaded() const { return emailGroup_ != nullptr; }
    void unloadEmailGroup();

    PreviewFrm& previewFrm();
    bool isPreviewFrmLoaded() const { return previewFrm_ != nullptr; }
    void unloadPreviewFrm();

    // The paper, orientation and margins chosen in the preview's page setup, kept
    // for the next print while the program runs (invalid until one is chosen).
    QPageLayout& pageSetup() { return pageSetup_; }

    store::AppState& state() { return state_; }
    platform::Services& services() { return services_; }
    QString programFolder() const;

private:
    store::AppState& state_;
    platform::Services services_;
    std::unique_ptr<StartUpFrm> startUp_;
    std::unique_ptr<DataFrm> dataFrm_;
    std::unique_ptr<NewFileFrm> newFileFrm_;
    std::unique_ptr<EncryptionFrm> encryptionFrm_;
    std::unique_ptr<LinkFrm> linkFrm_;
    std::unique_ptr<NewLinkFrm> newLinkFrm_;
    std::unique_ptr<BrowseFrm> browseFrm_;
    std::unique_ptr<QuickLinkFrm> quickLinkFrm_;
    std::unique_ptr<EmailGroup> emailGroup_;
    std::unique_ptr<PreviewFrm> previewFrm_;
    QPageLayout pageSetup_;
};

} // namespace windows
