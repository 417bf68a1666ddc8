#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

// What the desktop offers for starting a new mail: the one seam of MailLauncher.
class MailDesktop {
public:
    virtual ~MailDesktop() = default;
    // The full path of a program on the search path, "" when there is none.
    virtual QString findProgram(const QString& name) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Hands an address to the program the desktop has for its scheme.
    virtual bool openAddress(const QUrl& address) = 0;
};

// Hands a composed "mailto:" address to the desktop's mail program. The address
// may carry the file in its "Attacth" parameter, which few mail programs read; so
// when there is a file and the desktop has "xdg-email", the file also goes to
// xdg-email with --attach, which the common Linux mail programs honour. Nothing is
// reported: a desktop without a mail program simply starts nothing.
class MailLauncher {
public:
    explicit MailLauncher(MailDesktop& desktop) : desktop_(desktop) {}
    void send(const QString& address, const QString& attachment);

private:
    MailDesktop& desktop_;
};

// The address as a URL: blanks, quotes and other characters that an address
// cannot hold as they are become %-escapes; escapes already there stay.
QUrl mailUrl(const QString& address);

// The running desktop: the search path, detached processes and its URL handlers.
class SystemMailDesktop : public MailDesktop {
public:
    QString findProgram(const QString& name) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openAddress(const QUrl& address) override;
};

} // namespace platform
