// The master rows, sub rows and link rows of the main window, their scroll bars
// and their clicks.

#include "windows/main/DataFrm.h"

#include "store/Search.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/HoverColours.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/links/LinkFrm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

namespace windows {
namespace {

int tagNumber(const TagLabel* row)
{
    bool ok = false;
    const int value = row->Tag.trimmed().toInt(&ok);
    return ok ? value : -1;
}

// A master row shows the text of a result entry and keeps its index as the tag.
void showResultEntry(TagLabel* row, const QString& entry)
{
    const std::string bytes = fromQString(entry);
    const auto parts = store::splitResultEntry(bytes);
    row->setCaption(toQString(parts.text));
    row->Tag = QString::number(parts.index);
}

} // namespace

void DataFrm::showMasterRows()
{
    const QStringList entries = List1.stringList();
    for (int r = 0; r < 5 && r < entries.size(); ++r)
        showResultEntry(Res[r], entries[r]);
    if (entries.size() > 5) {
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setMaximum(static_cast<int>(entries.size()) - 5);
        VScroll1->setValue(0);
        VScroll1->show();
    }
}

void DataFrm::VScroll1_Change()
{
    for (TagLabel* row : Res) {
        setRowChosen(row, false);
        row->setCaption(QString());
        row->Tag = QStringLiteral("-1");
    }
    const QStringList entries = List1.stringList();
    int row = 0;
    for (int i = VScroll1->value(); i < entries.size() && row < 5; ++i, ++row)
        showResultEntry(Res[row], entries[i]);
}

void DataFrm::Res_Click(int Index)
{
    owner_.unloadNewLinkFrm();
    owner_.unloadBrowseFrm();
    Image3->hide();
    VScroll2->hide();
    TagLabel* clicked = Res[Index];
    if (clicked->text().isEmpty())
        return;
    for (TagLabel* row : Res)
        setRowChosen(row, row == clicked);

    typewriterPosition_ = 1;
    FileNote->clear();
    resetTabCaptions();
    setTabs(true, shade(3));
    emptyLinkRows();
    Label1[5]->setEnabled(true);
    Label1[6]->setEnabled(false);
    Label1[7]->setEnabled(true);

    const int m = tagNumber(clicked);
    if (m < 1 || m > store::upperBound(state_.Records))
        return;
    const store::Record& master = state_.Records[m];
    emptySubRows();
    VScroll3->hide();

    // The note display starts before the status box is filled, so that filling it
    // does not count as an edit.
    startNoteDisplay(master.Content);
    subItems_.assign(1, std::string());
    StatusTxt->setText(toQString(store::trimmedStatus(master.Status)));
    int filled = 0;
    int subCount = 0;
    for (int k = 1; k <= store::upperBound(state_.Records); ++k) {
        if (state_.Records[k].Parent != m)
            continue;
        ++subCount;
        const std::string_view name = store::recordName(state_.Records[k].Content);
        if (filled < 15) {
            Subs[filled]->setCaption(toQString(name));
            Subs[filled]->Tag = QString::number(k);
            ++filled;
        }
        subItems_.back() = std::to_string(k) + "," + std::string(name);
        subItems_.emplace_back();
    }
    if (subCount > 15) {
        const QSignalBlocker quiet(VScroll3);
        VScroll3->setMaximum(subCount - 15);
        VScroll3->setValue(0);
        VScroll3->show();
    }
    setCountCaptions(master);
    state_.CurrentMaster = static_cast<std::int16_t>(m);
    state_.CurrentSub = -1;
    playSound(1);
}

void DataFrm::VScroll3_Change()
{
    for (TagLabel* row : Subs) {
        row->setCaption(QString());
        row->Tag.clear();
    }
    int row = 0;
    for (std::size_t i = static_cast<std::size_t>(VScroll3->value()); i < subItems_.size() && row < 15; ++i, ++row) {
        const std::string& entry = subItems_[i];
        const auto comma = entry.find(',');
        Subs[row]->setCaption(comma == std::string::npos ? QString() : toQString(std::string_view(entry).substr(comma + 1)));
        Subs[row]->Tag = toQString(std::string_view(entry).substr(0, comma));
    }
}

void DataFrm::Subs_Click(int Index)
{
    owner_.unloadNewLinkFrm();
    VScroll2->hide();
    Image3->hide();
    TagLabel* clicked = Subs[Index];
    if (clicked->text().isEmpty())
        return;
    PendingMaster = false;
    PendingSub = false;
    for (TagLabel* row : Subs)
        setRowChosen(row, row == clicked);
    resetTabCaptions();
    setTabs(true, shade(3));
    emptyLinkRows();
    const int s = tagNumber(clicked);
    if (s < 1 || s > store::upperBound(state_.Records))
        return;
    typewriterPosition_ = 1;
    FileNote->clear();
    Label1[6]->setEnabled(false);
    setCountCaptions(state_.Records[s]);
    state_.CurrentSub = static_cast<std::int16_t>(s);
    startNoteDisplay(state_.Records[s].Content);
    playSound(1);
}

void DataFrm::emptySubRows()
{
    for (TagLabel* row : Subs) {
        row->setCaption(QString());
        row->Tag.clear();
        setRowChosen(row, false);
    }
}

// The chosen row or tab is drawn in white, and in bold with a mark, which stays
// visible in schemes where white text is lifted to the rows' own text colour.
void DataFrm::setRowChosen(TagLabel* row, bool chosen)
{
    row->setForeColour(chosen ? kWhite : shade(3));
    row->setSelected(chosen);
}

// The four link-kind tabs, enabled or not, in one text colour.
void DataFrm::setTabs(bool enabled, std::uint32_t textColour)
{
    for (int k = 0; k < 4; ++k) {
        Label1[k]->setEnabled(enabled);
        Label1[k]->setForeColour(textColour);
        Label1[k]->setSelected(false);
    }
}

QRect DataFrm::availableScreen() const
{
    return screen() ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
}

void DataFrm::setCountCaptions(const store::Record& record)
{
    for (int kind = 1; kind <= 4; ++kind)
        setCountCaption(kind, record.links(static_cast<store::LinkKind>(kind)).upperBound());
}

void DataFrm::setCountCaption(int kind, int count)
{
    Label1[kind - 1]->setCaption(QString::fromStdString(store::countCaption(static_cast<store::LinkKind>(kind), count)));
}

void DataFrm::VScroll2_Change()
{
    const int owner = state_.CurrentSub >= 0 ? state_.CurrentSub : state_.CurrentMaster;
    if (owner < 0 || owner > store::upperBound(state_.Records))
        return;
    if (state_.CurrentLinkKind < 1 || state_.CurrentLinkKind > 4)
        return;
    const store::LinkList& list = state_.Records[owner].links(static_cast<store::LinkKind>(state_.CurrentLinkKind));
    if (list.upperBound() < 1)
        return;
    int row = 0;
    for (int k = VScroll2->value(); k <= list.upperBound() && row < 4; ++k, ++row) {
        resA[row]->setCaption(toQString(store::linkDescription(list[k])));
        resB[row]->setCaption(toQString(store::linkTarget(list[k])));
        resA[row]->Tag = resB[row]->Tag = QString::number(k);
    }
}

void DataFrm::resA_Click(int Index)
{
    if (!resA[Index]->text().isEmpty())
        openLinkMenu(Index);
}

void DataFrm::resB_Click(int Index)
{
    if (!resB[Index]->text().isEmpty())
        openLinkMenu(Index);
}

// Places the link menu beside the clicked row (raised until it fits on the
// screen) and hands it the link.
void DataFrm::openLinkMenu(int row)
{
    LinkFrm& menu = owner_.linkFrm();
    int top = y() + resB[row]->y() - twipsToPixels(520);
    const QRect screen = availableScreen();
    while (top + menu.height() > screen.bottom() && top > screen.top())
        top -= twipsToPixels(1000);
    menu.move(x() + resB[row]->x(), top);
    state_.SelectedLinkDescription = fromQString(resA[row]->caption());
    state_.SelectedLinkTarget = fromQString(resB[row]->caption());
    state_.SelectedLinkIndex = static_cast<std::int16_t>(tagNumber(resB[row]));
    bringForward(&menu);
}

template <std::size_t N>
void DataFrm::hoverRowArray(std::array<TagLabel*, N>& rows, int hovered)
{
    for (TagLabel* row : rows)
        showResting(row, state_);
    TagLabel* row = rows[static_cast<std::size_t>(hovered)];
    if (row->text().isEmpty())
        return;
    showHovered(row, state_);
    handPointer_.applyTo(row);
}

template void DataFrm::hoverRowArray<5>(std::array<TagLabel*, 5>&, int);
template void DataFrm::hoverRowArray<15>(std::array<TagLabel*, 15>&, int);
template void DataFrm::hoverRowArray<4>(std::array<TagLabel*, 4>&, int);

void DataFrm::hoverCommand(int hovered)
{
    owner_.unloadLinkFrm();
    for (int i = 0; i < 10; ++i) {
        if (i != 8) // "load new file" keeps its colours
            showResting(Label1[i], state_);
    }
    showHovered(Label1[hovered], state_);
}

void DataFrm::restoreListColours()
{
    for (TagLabel* row : Subs)
        showResting(row, state_);
    for (TagLabel* button : Label1)
        showResting(button, state_);
    for (int r = 0; r < 4; ++r) {
        showResting(resA[r], state_);
        showResting(resB[r], state_);
    }
}

} // namespace windows
