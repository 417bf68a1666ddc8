#pragma once

#include "platform/Browser.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace windows {

class PagePrinting;
class WindowOwner;

// The preview window: one document (a page beside the program, or a folder, file or
// web address of a link) in the embedded browser, with buttons to print it, preview
// its print, set up the page and see its properties. Its text view shows the
// document's file as text to edit and save. One shared window: each opener shows it
// again in the web view.
class PreviewFrm : public QWidget {
    Q_OBJECT
public:
    explicit PreviewFrm(WindowOwner& owner);
    ~PreviewFrm() override;

    // Shows the shared selected link (its description and target) in the web view:
    // the window comes forward, captioned "Preview - " and the description when
    // `captioned`, else "Preview", and the browser goes to the target (after a blank
    // page when `blankFirst`).
    void openPreview(bool captioned, bool blankFirst = false);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    // A new title of the document shown.
    void WebBrowser1_TitleChange(const QString& Text);

    bool isWebView() const;
    platform::Browser& browser() { return *WebBrowser1; }

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void showWebView();
    void showTextView();
    void showFailure();
    void setButtonsEnabled(bool enabled);
    void saveText();
    void showProperties(const QString& title, const QStringList& facts);
    std::filesystem::path targetFile() const;
    bool mayDropEditedText();
    void setCaptions(const char* const (&captions)[5]);
    void runQuietly(const std::function<void()>& action);

    WindowOwner& owner_;
    platform::Browser* WebBrowser1 = nullptr;
    std::unique_ptr<PagePrinting> printing_;
    QString description_;
    QString target_;
};

// The help page ("help/index.htm" of the program's folder, titled "Brindlecase 2008
// - Help") and the about page ("About.htm", "About Brindlecase", captioned) in the
// preview window, set as the selected link first.
void previewHelpPage(WindowOwner& owner);
void previewAboutPage(WindowOwner& owner);

} // namespace windows
