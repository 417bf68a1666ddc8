#pragma once

#include "platform/Browser.h"
#include "platform/Platform.h"

#include <QString>
#include <QWidget>

namespace windows {

// The embedded browser of a window (its `WebBrowser1`), named for screen readers and
// the tests, and taking the keyboard on Tab like the other controls.
inline platform::Browser* makeWindowBrowser(platform::BrowserFactory& browsers, QWidget* window)
{
    platform::Browser* browser = browsers.create(window);
    QWidget* view = browser->widget();
    view->setObjectName(QStringLiteral("WebBrowser1"));
    view->setAccessibleName(QStringLiteral("WebBrowser1"));
    view->setFocusPolicy(Qt::StrongFocus);
    return browser;
}

} // namespace windows
