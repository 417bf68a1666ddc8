#pragma once

#include "platform/Browser.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace testing_support {

// A browser that shows nothing: it keeps what it was told to show, and the test
// plays the engine's part (a load ending, a title, a mail link followed).
class FakeBrowser : public QWidget, public platform::Browser {
public:
    explicit FakeBrowser(QWidget* parent) : QWidget(parent) {}

    QWidget* widget() override { return this; }
    void navigate(const QString& target) override { navigations.push_back(target), address_ = platform::browserUrl(target); }
    QUrl address() const override { return address_; }
    QString title() const override { return title_; }
    void onLoadFinished(std::function<void(platform::LoadResult)> handler) override { loadFinished_ = std::move(handler); }
    void onTitleChanged(std::function<void(const QString&)> handler) override { titleChanged_ = std::move(handler); }
    void onMailLink(std::function<void(const QUrl&)> handler) override { mailLink_ = std::move(handler); }
    void print(QPrinter&, std::function<void(bool)> done) override { ++prints, done(true); }

    // The engine's side.
    void finishLoad(platform::LoadResult result, const QString& title = QString())
    {
        title_ = title;
        titleChanged_(title);
        loadFinished_(result);
    }
    void followMailLink(const QUrl& url) { mailLink_(url); }

    std::vector<QString> navigations;
    int prints = 0;

private:
    QUrl address_;
    QString title_;
    std::function<void(platform::LoadResult)> loadFinished_;
    std::function<void(const QString&)> titleChanged_;
    std::function<void(const QUrl&)> mailLink_;
};

class FakeBrowsers : public platform::BrowserFactory {
public:
    platform::Browser* create(QWidget* parent) override { return made.emplace_back(new FakeBrowser(parent)); }
    // The browsers made, in order; a browser whose window is gone reads as null.
    std::vector<QPointer<FakeBrowser>> made;
};

} // namespace testing_support
