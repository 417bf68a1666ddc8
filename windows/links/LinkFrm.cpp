#include "windows/links/LinkFrm.h"

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/preview/EmailGroup.h"
#include "windows/preview/PreviewFrm.h"

namespace windows {
namespace {

constexpr int kEntryHeight = 22;

const char* const kCaptions[5][4] = {
    {"open item", "preview item", "edit item", "delete item"},
    {"send email", "add to group", "edit email", "delete email"},
    {"preview folder", "open folder", "edit folder item", "delete folder item"},
    {"preview file", "open file", "edit file item", "delete file item"},
    {"preview URL", "open URL", "edit URL item", "delete URL item"},
};

} // namespace

LinkFrm::LinkFrm(WindowOwner& owner) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), owner_(owner)
{
    setObjectName(QStringLiteral("LinkFrm"));
    setWindowTitle(QStringLiteral("link"));
    setAccessibleName(QStringLiteral("link menu")); // told apart from the add / edit link window
    setFixedSize(150, 4 * kEntryHeight + 4);
    setMouseTracking(true);
    const store::AppState& state = owner.state();
    platform::SetWindowOpacity(this, state.Settings.ColourScheme == 9 ? 230 : 190);
    const int kind = state.CurrentLinkKind >= 1 && state.CurrentLinkKind <= 4 ? state.CurrentLinkKind : 0;
    const platform::HandPointer hand(owner.programFolder());
    for (int i = 0; i < 4; ++i) {
        LinkType[i] = new TagLabel(QStringLiteral("LinkType_%1").arg(i), this);
        LinkType[i]->setCaption(QString::fromLatin1(kCaptions[kind][i]));
        LinkType[i]->setGeometry(2, 2 + kEntryHeight * i, 146, kEntryHeight);
        LinkType[i]->setIndent(8);
        hand.applyTo(LinkType[i]);
        connect(LinkType[i], &TagLabel::clicked, this, [this, i] { LinkType_Click(i); });
        connect(LinkType[i], &TagLabel::pointerMoved, this, [this, i] {
            restColours();
            LinkType[i]->setHovered(true);
            LinkType[i]->setBackColour(kBlack);
            LinkType[i]->setForeColour(kWhite);
        });
    }
    QPalette frame = palette();
    frame.setColor(QPalette::Window, Qt::black);
    setPalette(frame);
    setAutoFillBackground(true);
    restColours();
    closeOnEscape(this, [this] { owner_.unloadLinkFrm(); });
}

void LinkFrm::restColours()
{
    for (TagLabel* entry : LinkType) {
        entry->setHovered(false);
        entry->setBackColour(kWhite);
        entry->setForeColour(kBlack);
    }
}

void LinkFrm::mouseMoveEvent(QMouseEvent* event)
{
    restColours();
    QWidget::mouseMoveEvent(event);
}

// A failure in an entry ends it quietly and leaves the menu open; the entries
// that write files tell the user themselves.
void LinkFrm::LinkType_Click(int Index)
{
    try {
        runEntry(Index);
    } catch (const std::exception&) {
        return;
    }
    owner_.unloadLinkFrm();
}

void LinkFrm::runEntry(int Index)
{
    store::AppState& state = owner_.state();
    const int kind = state.CurrentLinkKind;
    const QString target = toQString(state.SelectedLinkTarget);
    switch (Index) {
    case 0:
        if (kind == 1)
            owner_.services().launcher.openMail(QStringLiteral("mailto: ") + target);
        else if (kind >= 2 && kind <= 4)
            owner_.previewFrm().openPreview(true, true);
        break;
    case 1:
        if (kind == 1) {
            state.EmailGroup.push_back(state.SelectedLinkDescription + ".." + state.SelectedLinkTarget);
            owner_.emailGroup().showGroupPage();
        } else if (kind >= 2 && kind <= 4) {
            platform::OpenLink(target, owner_.services().launcher, owner_.services().messages, this);
        }
        break;
    case 2:
        owner_.dataFrm().openLinkEditor(true);
        break;
    case 3:
        owner_.dataFrm().DeleteLink();
        break;
    default:
        break;
    }
}

} // namespace windows
