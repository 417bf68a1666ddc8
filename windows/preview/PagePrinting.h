#pragma once

#include "platform/Browser.h"
#include "platform/PrintDialogs.h"

#include <QPageLayout>

#include <memory>

class QPrinter;
class QWidget;

namespace windows {

// The web view's printing through the desktop's print dialogs: printing the page
// shown into the printer chosen (a PDF file included), the print preview of its real
// pages, and the page setup, whose paper, orientation and margins every later print
// takes while the program runs. The page is rendered by the browser while the window
// goes on working; a print that fails ends quietly.
class PagePrinting {
public:
    PagePrinting(platform::Browser& browser, platform::PrintDialogs& dialogs, QPageLayout& pageSetup, QWidget* window);
    ~PagePrinting();

    void print();
    void printPreview();
    void pageSetup();

    // A print is being rendered; a second one waits for it to end.
    bool isPrinting() const { return printing_ != nullptr; }

private:
    std::unique_ptr<QPrinter> newPrinter() const;
    void renderAndWait(QPrinter& printer);

    platform::Browser& browser_;
    platform::PrintDialogs& dialogs_;
    QPageLayout& pageSetup_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printing_; // the printer of the print being rendered
};

} // namespace windows
