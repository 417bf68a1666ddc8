#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace platform {

class MessageBoxes;

// Result codes of opening a target, numbered as the desktop shell's results that
// the messages were written for: above 32 is success.
namespace shell {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kNoAssociation = 31;
inline constexpr int kUnknownError = 0;
inline constexpr int kOpened = 33;
} // namespace shell

// The message for a result of 32 or less.
QString ShellErrorText(int code);

// What was found out about a target before and while opening it.
struct TargetFacts {
    bool isAddress = false;      // a web, mail or other address with a scheme
    bool exists = false;         // a path: something is there
    bool folderExists = false;   // a path: its folder is there
    bool readable = false;       // a path: the user may read it
    bool hasProgram = true;      // the file type or scheme has an associated program
    bool launched = false;       // the desktop started the program
};

// The one place where what happened becomes a result code.
int shellResult(const TargetFacts& facts);

// Opens targets with the desktop's associated programs.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens a folder, a file or an address; returns a result code as above.
    virtual int ShellOpen(const QString& target) = 0;
    // Starts a new mail: `address` is "mailto: " and the address. Not reported.
    virtual void openMail(const QString& address) = 0;
    // Starts a composed mail: `address` is a whole "mailto:" address and
    // `attachment` the file it attaches ("" for none). Not reported.
    virtual void composeMail(const QString& address, const QString& attachment) = 0;
};

// The desktop's launcher: folders in the file manager, files with the program
// registered for their type, addresses by their scheme.
class DesktopLauncher : public Launcher {
public:
    int ShellOpen(const QString& target) override;
    void openMail(const QString& address) override;
    void composeMail(const QString& address, const QString& attachment) override;

protected:
    // The desktop itself, the only calls that leave the program: whether it has a
    // program for a MIME type ("x-scheme-handler/SCHEME" for addresses), and
    // opening a URL with it.
    virtual bool hasProgramFor(const QString& mimeType);
    virtual bool openUrl(const QUrl& url);
};

// Opens `target` under the busy pointer and reports a failure in a message box.
void OpenLink(const QString& target, Launcher& launcher, MessageBoxes& messages, QWidget* parent);

} // namespace platform
