// The master rows, sub rows and link rows of the main window, their scroll bars
// and their clicks.

#include "windows/main/DataFrm.h"

#include "store/Search.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
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
        row->setForeColour(shade(3));
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
        row->setForeColour(shade(3));
    clicked->setForeColour(kWhite);

    typewriterPosition_ = 1;
    FileNote->clear();
    const char* words[] = {"email", "folders", "files", "web"};
    for (int k = 0; k < 4; ++k) {
        Label1[k]->setCaption(QString::fromLatin1(words[k]));
        Label1[k]->setEnabled(true);
        Label1[k]->setForeColour(shade(3));
        resA[k]->setCaption(QString());
        resB[k]->setCaption(QString());
    }
    Label1[5]->setEnabled(true);
    Label1[6]->setEnabled(false);
    Label1[7]->setEnabled(true);

    const int m = tagNumber(clicked);
    if (m < 1 || m > store::upperBound(state_.Records))
        return;
    const store::Record& master = state_.Records[m];
    for (TagLabel* row : Subs) {
        row->setCaption(QString());
        row->Tag.clear();
        row->setForeColour(shade(3));
    }
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
        row->setForeColour(shade(3));
    clicked->setForeColour(kWhite);
    const char* words[] = {"email", "folders", "files", "web"};
    for (int k = 0; k < 4; ++k) {
        Label1[k]->setForeColour(shade(3));
        Label1[k]->setEnabled(true);
        Label1[k]->setCaption(QString::fromLatin1(words[k]));
        resA[k]->setCaption(QString());
        resB[k]->setCaption(QString());
    }
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

void DataFrm::setCountCaptions(const store::Record& record)
{
    for (int k = 0; k < 4; ++k) {
        const auto kind = static_cast<store::LinkKind>(k + 1);
        Label1[k]->setCaption(QString::fromStdString(store::countCaption(kind, record.links(kind).upperBound())));
    }
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
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    while (top + menu.height() > screen.bottom() && top > screen.top())
        top -= twipsToPixels(1000);
    menu.move(x() + resB[row]->x(), top);
    state_.SelectedLinkDescription = fromQString(resA[row]->text());
    state_.SelectedLinkTarget = fromQString(resB[row]->text());
    state_.SelectedLinkIndex = static_cast<std::int16_t>(tagNumber(resB[row]));
    menu.show();
    menu.raise();
}

template <std::size_t N>
void DataFrm::hoverRowArray(std::array<TagLabel*, N>& rows, int hovered)
{
    for (TagLabel* row : rows) {
        if (blackAndWhite()) {
            row->setBackColour(shade(1));
            row->setForeColour(shade(2));
        } else {
            row->setBackColour(shade(5));
        }
    }
    TagLabel* row = rows[static_cast<std::size_t>(hovered)];
    if (row->text().isEmpty())
        return;
    if (blackAndWhite()) {
        row->setBackColour(shade(2));
        row->setForeColour(shade(1));
    } else {
        row->setBackColour(shade(4));
    }
    handPointer_.applyTo(row);
}

template void DataFrm::hoverRowArray<5>(std::array<TagLabel*, 5>&, int);
template void DataFrm::hoverRowArray<15>(std::array<TagLabel*, 15>&, int);
template void DataFrm::hoverRowArray<4>(std::array<TagLabel*, 4>&, int);

void DataFrm::hoverCommand(int hovered)
{
    owner_.unloadLinkFrm();
    for (int i = 0; i < 10; ++i) {
        if (i == 8)
            continue; // "load new file" keeps its colours
        if (blackAndWhite()) {
            Label1[i]->setBackColour(shade(1));
            Label1[i]->setForeColour(shade(2));
        } else {
            Label1[i]->setBackColour(shade(5));
        }
    }
    if (blackAndWhite()) {
        Label1[hovered]->setBackColour(shade(2));
        Label1[hovered]->setForeColour(shade(1));
    } else {
        Label1[hovered]->setBackColour(shade(4));
    }
}

void DataFrm::restoreListColours()
{
    auto rest = [this](TagLabel* label) {
        if (blackAndWhite()) {
            label->setBackColour(shade(1));
            label->setForeColour(shade(2));
        } else {
            label->setBackColour(shade(5));
        }
    };
    for (TagLabel* row : Subs)
        rest(row);
    for (TagLabel* button : Label1)
        rest(button);
    for (int r = 0; r < 4; ++r) {
        rest(resA[r]);
        rest(resB[r]);
    }
}

} // namespace windows
