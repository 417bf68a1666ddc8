#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace platform {

// How a navigation of the embedded browser ended, in the terms the windows react to.
enum class LoadResult {
    Loaded,         // the page is shown
    NoPage,         // a local file or folder that is missing or that the browser will not show as a page
    ServerNotFound, // an address whose server cannot be found or reached
    Failed,         // anything else (a refused certificate, ...)
};

// The embedded browser a window holds (its `WebBrowser1`). It is a child widget of
// the window it was made for and goes with it. Callbacks run on the window's thread;
// setting one replaces the one before.
class Browser {
public:
    virtual ~Browser() = default;

    // The control to place in the window.
    virtual QWidget* widget() = 0;

    // Shows `target`: "about:blank", an address with a scheme ("https://...",
    // "file:..."), or the path of a local file or folder.
    virtual void navigate(const QString& target) = 0;

    // The address and the title of the page shown (or being shown).
    virtual QUrl address() const = 0;
    virtual QString title() const = 0;

    // Told once when a navigation ends; a navigation replaced by the next one before
    // it ended is not told.
    virtual void onLoadFinished(std::function<void(LoadResult)> handler) = 0;
    virtual void onTitleChanged(std::function<void(const QString&)> handler) = 0;

    // A "mailto:" link the user follows is not navigated to: `handler` gets its
    // address, to start a new mail through the desktop.
    virtual void onMailLink(std::function<void(const QUrl&)> handler) = 0;

    // Prints the page shown into `printer` (a real printer or a PDF file) without
    // blocking the window; `done` is told whether it worked. `printer` must live
    // until then.
    virtual void print(QPrinter& printer, std::function<void(bool ok)> done) = 0;
};

// Makes the browsers. The first one made starts the browser engine, so a window
// asks for its browser only when it opens, and the program starts without it.
class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser as a child widget of `parent`, owned by it.
    virtual Browser* create(QWidget* parent) = 0;
};

// The address a target is shown at: an address with a scheme as it is, a path as
// the "file:" address of the absolute path.
QUrl browserUrl(const QString& target);

} // namespace platform
