#pragma once

#include "platform/Browser.h"

#include <QWebEngineLoadingInfo>

namespace platform {

// How a failed navigation reads for the windows: any failure on a local file or
// folder is "no page"; a name that does not resolve or a server that cannot be
// reached is "server not found"; the rest failed otherwise.
LoadResult loadResultFor(bool localTarget, QWebEngineLoadingInfo::ErrorDomain domain, int errorCode);

// Browsers over Qt WebEngine.
class WebEngineBrowserFactory : public BrowserFactory {
public:
    Browser* create(QWidget* parent) override;
};

} // namespace platform
