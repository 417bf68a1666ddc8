#include "windows/preview/PagePrinting.h"

#include <QEventLoop>
#include <QPainter>
#include <QPrinter>

namespace windows {

PagePrinting::PagePrinting(platform::Browser& browser, platform::PrintDialogs& dialogs, QPageLayout& pageSetup,
                           QWidget* window)
    : browser_(browser), dialogs_(dialogs), pageSetup_(pageSetup), window_(window)
{
}

PagePrinting::~PagePrinting() = default;

std::unique_ptr<QPrinter> PagePrinting::newPrinter() const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (pageSetup_.isValid())
        printer->setPageLayout(pageSetup_);
    printer->setDocName(browser_.title());
    return printer;
}

// The printer is kept until the browser has rendered into it; the window is not
// held up meanwhile.
void PagePrinting::print()
{
    if (isPrinting())
        return;
    std::unique_ptr<QPrinter> printer = newPrinter();
    if (!dialogs_.choosePrinter(*printer, window_))
        return;
    printing_ = std::move(printer);
    browser_.print(*printing_, [this](bool) { printing_.reset(); });
}

void PagePrinting::printPreview()
{
    if (isPrinting())
        return;
    std::unique_ptr<QPrinter> printer = newPrinter();
    dialogs_.preview(*printer, window_, [this](QPrinter& pages) { renderAndWait(pages); });
}

// The preview wants its pages drawn before it goes on, so this waits for the
// browser, taking events meanwhile so the windows keep drawing. A page that cannot
// be rendered leaves the preview with a note instead of pages.
void PagePrinting::renderAndWait(QPrinter& printer)
{
    bool finished = false;
    bool rendered = false;
    QEventLoop wait;
    browser_.print(printer, [&](bool ok) {
        finished = true;
        rendered = ok;
        wait.quit();
    });
    if (!finished)
        wait.exec();
    if (!rendered) {
        QPainter note;
        if (note.begin(&printer))
            note.drawText(QPointF(20, 40), QStringLiteral("The page could not be prepared for printing."));
    }
}

void PagePrinting::pageSetup()
{
    std::unique_ptr<QPrinter> printer = newPrinter();
    if (dialogs_.choosePageSetup(*printer, window_))
        pageSetup_ = printer->pageLayout();
}

} // namespace windows
