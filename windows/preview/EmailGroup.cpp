#include "windows/preview/EmailGroup.h"

#include "windows/preview/WindowBrowser.h"

#include "platform/Shell.h"
#include "reports/EmailGroupPage.h"
#include "reports/PageFile.h"
#include "windows/WindowOwner.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace windows {

EmailGroup::EmailGroup(WindowOwner& owner) : QWidget(nullptr, Qt::Window), owner_(owner)
{
    setObjectName(QStringLiteral("EmailGroup"));
    setWindowTitle(QStringLiteral("Email Group"));
    setAccessibleName(QStringLiteral("Email Group"));
    resize(420, 520);

    WebBrowser1 = makeWindowBrowser(owner.services().browsers, this);
    QWidget* view = WebBrowser1->widget();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    WebBrowser1->onMailLink([this](const QUrl& address) { startMail(address); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void EmailGroup::showGroupPage()
{
    writePage();
    show();
    raise();
    activateWindow();
    WebBrowser1->navigate(QStringLiteral("about:blank"));
    WebBrowser1->navigate(QString::fromStdString((owner_.state().ProgramFolder / reports::kEmailGroupFile).string()));
}

void EmailGroup::writePage()
{
    const store::AppState& state = owner_.state();
    try {
        reports::writePage(state.ProgramFolder, reports::kEmailGroupFile,
                           reports::emailGroupPage(state.EmailGroup, state.ProgramFolder));
    } catch (const std::exception& error) {
        owner_.services().messages.information(
            isVisible() ? this : nullptr, QStringLiteral("Brindlecase"),
            QString::fromStdString(error.what())
                + QStringLiteral("\n\nThe address is kept in the group; the page is written again with the next one."));
        throw;
    }
}

void EmailGroup::startMail(const QUrl& address)
{
    owner_.services().launcher.openMail(address.toString());
}

// Closing the window ends the group: the next address starts a new one.
void EmailGroup::closeEvent(QCloseEvent* event)
{
    owner_.state().EmailGroup.assign(1, std::string());
    event->accept();
    owner_.unloadEmailGroup();
}

} // namespace windows
