#include "windows/links/NewLinkFrm.h"

#include "platform/Platform.h"
#include "store/LinkEdits.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FieldText.h"
#include "windows/controls/Text.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QLineEdit>

namespace windows {
namespace {

struct KindPrompt {
    const char* prompt;
    bool browse;
};

const KindPrompt kPrompts[] = {
    {"type / paste email address below:", false},
    {"type / paste folder location below or click browse:", true},
    {"type / paste file location below or click browse:", true},
    {"type / paste web URL address below:", false},
};

} // namespace

NewLinkFrm::NewLinkFrm(WindowOwner& owner) : QWidget(nullptr, Qt::Tool), owner_(owner)
{
    setObjectName(QStringLiteral("NewLinkFrm"));
    setWindowTitle(QStringLiteral("link"));
    setAccessibleName(QStringLiteral("add link"));
    setFixedSize(420, 170);
    setMouseTracking(true);
    setAutoFillBackground(true);
    const store::AppState& state = owner.state();
    platform::SetWindowOpacity(this, 220);

    Label2[0] = new TagLabel(QStringLiteral("Label2_0"), this);
    Label2[0]->setCaption(QStringLiteral("enter a link description"));
    Label2[0]->setGeometry(12, 8, 396, 18);
    LinkDescription = new QLineEdit(this);
    LinkDescription->setObjectName(QStringLiteral("LinkDescription"));
    LinkDescription->setAccessibleName(QStringLiteral("LinkDescription"));
    LinkDescription->setGeometry(12, 28, 396, 24);
    keepOnOneLine(LinkDescription);
    Label2[2] = new TagLabel(QStringLiteral("Label2_2"), this);
    Label2[2]->setCaption(QStringLiteral("type / paste link below"));
    Label2[2]->setGeometry(12, 60, 396, 18);
    LinkTxt = new QLineEdit(this);
    LinkTxt->setObjectName(QStringLiteral("LinkTxt"));
    LinkTxt->setAccessibleName(QStringLiteral("LinkTxt"));
    LinkTxt->setGeometry(12, 80, 396, 24);
    keepOnOneLine(LinkTxt);
    for (TagLabel* label : {Label2[0], Label2[2]})
        label->setAutoFillBackground(false);

    const char* captions[] = {"exit", "save changes", "browse", "existing link"};
    const char* tips[] = {"exit", "save link", "browse to new link", "select from existing link"};
    const int lefts[] = {12, 112, 212, 312};
    const platform::HandPointer hand(owner.programFolder());
    for (int i = 0; i < 4; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(tips[i]), QRect(lefts[i], 124, 92, 28), Shape1[i],
                                     QStringLiteral("Shape1_%1").arg(i), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { buttons_->hover(Label1[i]); });
    }
    Shape1[4] = new FrameShape(QStringLiteral("Shape1_4"), this);
    Shape1[4]->setGeometry(4, 4, 412, 110);
    Shape1[4]->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1[4]->lower();
    buttons_ = std::make_unique<SmallWindowButtons>(
        state, std::vector<TagLabel*>(Label1.begin(), Label1.end()), std::vector<FrameShape*>(Shape1.begin(), Shape1.end()));
    buttons_->paint();
    paintSmallWindow(this, state, {Label2[0], Label2[2]});
    closeOnEscape(this, [this] { Label1_Click(0); });
    // Enter in either box saves, as "save changes" does.
    for (QLineEdit* box : {LinkDescription, LinkTxt})
        connect(box, &QLineEdit::returnPressed, this, [this] { Label1_Click(1); });
}

void NewLinkFrm::showPromptForKind(int kind)
{
    if (kind < 1 || kind > 4)
        return;
    Label2[2]->setCaption(QString::fromLatin1(kPrompts[kind - 1].prompt));
    Label1[2]->setVisible(kPrompts[kind - 1].browse);
    Shape1[2]->setVisible(kPrompts[kind - 1].browse);
}

void NewLinkFrm::mouseMoveEvent(QMouseEvent* event)
{
    buttons_->rest();
    QWidget::mouseMoveEvent(event);
}

void NewLinkFrm::Label1_Click(int Index)
{
    switch (Index) {
    case 0: owner_.unloadNewLinkFrm(); break;
    case 1: save(); break;
    case 2: bringForward(&owner_.browseFrm()); break;
    case 3: bringForward(&owner_.quickLinkFrm()); break;
    default: break;
    }
}

void NewLinkFrm::save()
{
    if (LinkTxt->text().isEmpty()) {
        LinkTxt->setFocus();
        return;
    }
    if (LinkDescription->text().isEmpty()) {
        LinkDescription->setFocus();
        return;
    }
    const std::string entry = fromQString(LinkDescription->text()) + store::kLineBreakMark + fromQString(LinkTxt->text());
    if (!owner_.dataFrm().saveLink(entry))
        return; // the main window said why; the window keeps what was typed
    owner_.unloadNewLinkFrm();
}

} // namespace windows
