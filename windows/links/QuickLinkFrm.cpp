#include "windows/links/QuickLinkFrm.h"

#include "platform/Platform.h"
#include "store/LinkEdits.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/Text.h"
#include "windows/links/NewLinkFrm.h"

#include <QLineEdit>
#include <QListWidget>

namespace windows {

QuickLinkFrm::QuickLinkFrm(WindowOwner& owner) : QWidget(nullptr, Qt::Tool), owner_(owner)
{
    setObjectName(QStringLiteral("QuickLinkFrm"));
    setWindowTitle(QStringLiteral("existing links"));
    setAccessibleName(QStringLiteral("existing links"));
    setFixedSize(440, 300);
    setMouseTracking(true);
    setAutoFillBackground(true);
    const store::AppState& state = owner.state();
    platform::SetWindowOpacity(this, 220);

    Label2_2 = new TagLabel(QStringLiteral("Label2_2"), this);
    Label2_2->setCaption(QStringLiteral("select quick link from existing links"));
    Label2_2->setGeometry(12, 8, 416, 18);
    Label2_2->setAutoFillBackground(false);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("existing links"));
    List1->setGeometry(12, 30, 416, 216);
    // A long link is cut with "..." to the list's width; the whole of it shows on hover.
    List1->setTextElideMode(Qt::ElideRight);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const char* captions[] = {"exit", "copy link"};
    const platform::HandPointer hand(owner.programFolder());
    for (int i = 0; i < 2; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(captions[i]), QRect(i == 1 ? 208 : 324, 258, 104, 28),
                                     Shape1[i], QStringLiteral("Shape1_%1").arg(i), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { buttons_->hover(Label1[i]); });
    }
    Shape1[3] = new FrameShape(QStringLiteral("Shape1_3"), this);
    Shape1[3]->setGeometry(List1->geometry().adjusted(-2, -2, 2, 2));
    Shape1[3]->setAttribute(Qt::WA_TransparentForMouseEvents);
    buttons_ = std::make_unique<SmallWindowButtons>(state, std::vector<TagLabel*>{Label1[0], Label1[1]},
                                                    std::vector<FrameShape*>{Shape1[0], Shape1[1], Shape1[3]});
    buttons_->paint();
    paintSmallWindow(this, state, {Label2_2});

    for (const std::string& entry : store::distinctLinks(state.Records, state.CurrentLinkKind)) {
        auto* item = new QListWidgetItem(toQString(store::quickLinkItem(entry)), List1);
        item->setToolTip(item->text());
    }
    // Tab goes from the list to the buttons as they stand: "copy link", then "exit".
    setTabOrder(List1, Label1[1]);
    setTabOrder(Label1[1], Label1[0]);
    closeOnEscape(this, [this] { Label1_Click(0); });
}

void QuickLinkFrm::Label1_Click(int Index)
{
    if (Index == 0) {
        owner_.unloadQuickLinkFrm();
        return;
    }
    if (Index != 1)
        return;
    const QListWidgetItem* item = List1->currentItem();
    if (!item || item->text().isEmpty())
        return;
    const auto [description, target] = store::splitQuickLinkItem(fromQString(item->text()));
    NewLinkFrm& editor = owner_.newLinkFrm();
    editor.LinkDescription->setText(toQString(description));
    editor.LinkTxt->setText(toQString(target));
    owner_.unloadQuickLinkFrm();
}

void QuickLinkFrm::mouseMoveEvent(QMouseEvent* event)
{
    buttons_->rest();
    QWidget::mouseMoveEvent(event);
}

} // namespace windows
