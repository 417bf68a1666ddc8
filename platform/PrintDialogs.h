#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace platform {

// The desktop's print dialogs, which wait for the user: choosing a printer, the
// print preview and the page setup. Each works on the printer it is handed.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The print dialog; true when the user chose to print.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // The print preview of `printer`'s pages; `paint` draws the pages into the
    // printer it is given, whenever the preview needs them again.
    virtual void preview(QPrinter& printer, QWidget* parent, std::function<void(QPrinter&)> paint) = 0;
    // The page setup (paper, orientation, margins); true when the user accepted it.
    virtual bool choosePageSetup(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's own dialogs.
class DesktopPrintDialogs : public PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void preview(QPrinter& printer, QWidget* parent, std::function<void(QPrinter&)> paint) override;
    bool choosePageSetup(QPrinter& printer, QWidget* parent) override;
};

} // namespace platform
