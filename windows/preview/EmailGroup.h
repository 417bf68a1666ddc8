#pragma once

#include "platform/Browser.h"

#include <QWidget>

namespace windows {

class WindowOwner;

// The e-mail group window: the group page in an embedded browser. Its picture link
// starts one mail to every member through the desktop; closing the window empties
// the group.
class EmailGroup : public QWidget {
    Q_OBJECT
public:
    explicit EmailGroup(WindowOwner& owner);

    // Writes "emailGroup.htm" from the group into the program's folder and shows it
    // here, after a blank page. A page that cannot be written is told to the user
    // and thrown on, and the window stays as it was.
    void showGroupPage();

    platform::Browser& browser() { return *WebBrowser1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void writePage();
    void startMail(const QUrl& address);

    WindowOwner& owner_;
    platform::Browser* WebBrowser1 = nullptr;
};

} // namespace windows
