#include "platform/WebEngineBrowser.h"

#include <QPointer>
#include <QPrinter>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace platform {
namespace {

// Chromium's code for a navigation cut short, here by the next one.
constexpr int kAborted = -3;

// Hands "mailto:" links to the window instead of to the engine.
class MailCatchingPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    std::function<void(const QUrl&)> onMailLink;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0) {
            if (onMailLink)
                onMailLink(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
};

class WebEngineBrowser : public QWebEngineView, public Browser {
public:
    explicit WebEngineBrowser(QWidget* parent) : QWebEngineView(parent), page_(new MailCatchingPage(this))
    {
        setPage(page_);
        connect(page_, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                tell(LoadResult::Loaded);
            else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() != kAborted)
                tell(loadResultFor(info.url().isLocalFile(), info.errorDomain(), info.errorCode()));
        });
        // A file the engine will not show (an archive, a program) turns into a
        // download, which is no page for this window.
        connect(page_->profile(), &QWebEngineProfile::downloadRequested, this,
                [this](QWebEngineDownloadRequest* download) {
                    if (download->page() != page_)
                        return;
                    download->cancel();
                    tell(LoadResult::NoPage);
                });
        connect(this, &QWebEngineView::titleChanged, this, [this](const QString& title) {
            if (titleChanged_)
                titleChanged_(title);
        });
        connect(this, &QWebEngineView::printFinished, this, [this](bool ok) { printEnded(ok); });
        connect(page_, &QWebEnginePage::pdfPrintingFinished, this,
                [this](const QString&, bool ok) { printEnded(ok); });
    }

    QWidget* widget() override { return this; }
    void navigate(const QString& target) override { load(browserUrl(target)); }
    QUrl address() const override { return url(); }
    QString title() const override { return QWebEngineView::title(); }
    void onLoadFinished(std::function<void(LoadResult)> handler) override { loadFinished_ = std::move(handler); }
    void onTitleChanged(std::function<void(const QString&)> handler) override { titleChanged_ = std::move(handler); }
    void onMailLink(std::function<void(const QUrl&)> handler) override { page_->onMailLink = std::move(handler); }

    // One print at a time: a second request while one runs is refused. A printer
    // that writes a PDF file gets the engine's own PDF, whose text stays text; any
    // other gets the pages drawn as pictures.
    void print(QPrinter& printer, std::function<void(bool)> done) override
    {
        if (printDone_) {
            done(false);
            return;
        }
        printDone_ = std::move(done);
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
            page_->printToPdf(printer.outputFileName(), printer.pageLayout(), printer.pageRanges());
        else
            QWebEngineView::print(&printer);
    }

private:
    void printEnded(bool ok)
    {
        auto done = std::move(printDone_);
        printDone_ = nullptr;
        if (done)
            done(ok);
    }

    void tell(LoadResult result)
    {
        if (loadFinished_)
            loadFinished_(result);
    }

    MailCatchingPage* page_;
    std::function<void(LoadResult)> loadFinished_;
    std::function<void(const QString&)> titleChanged_;
    std::function<void(bool)> printDone_;
};

} // namespace

LoadResult loadResultFor(bool localTarget, QWebEngineLoadingInfo::ErrorDomain domain, int errorCode)
{
    if (localTarget)
        return LoadResult::NoPage;
    switch (domain) {
    case QWebEngineLoadingInfo::DnsErrorDomain:
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        return LoadResult::ServerNotFound;
    default:
        break;
    }
    // Chromium's "name not resolved" and "address unreachable", whatever the domain.
    return errorCode == -105 || errorCode == -109 || errorCode == -137 ? LoadResult::ServerNotFound
                                                                         : LoadResult::Failed;
}

Browser* WebEngineBrowserFactory::create(QWidget* parent)
{
    return new WebEngineBrowser(parent);
}

} // namespace platform
