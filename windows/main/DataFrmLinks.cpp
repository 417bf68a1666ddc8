// The main window's side of the link lists: the rows of the shown list, the
// add / edit link window and deleting a link.

#include "windows/main/DataFrm.h"

#include "store/DataFile.h"
#include "store/LinkEdits.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/HoverColours.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/links/NewLinkFrm.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace windows {

void DataFrm::ShowLinkRows()
{
    const int owner = store::linkOwner(state_);
    const int kind = state_.CurrentLinkKind;
    if (owner < 0 || owner > store::upperBound(state_.Records) || kind < 1 || kind > 4)
        return;
    const store::LinkList& list = state_.Records[owner].links(static_cast<store::LinkKind>(kind));
    const int n = list.upperBound();
    for (int k = 1; k <= n; ++k) {
        if (k <= 4) {
            VScroll2->hide();
            resA[k - 1]->setCaption(toQString(store::linkDescription(list[k])));
            resB[k - 1]->setCaption(toQString(store::linkTarget(list[k])));
            resA[k - 1]->Tag = resB[k - 1]->Tag = QString::number(k);
        } else {
            const QSignalBlocker quiet(VScroll2);
            VScroll2->show();
            VScroll2->setMinimum(1);
            VScroll2->setMaximum(n - 3);
            VScroll2->setValue(1);
        }
    }
}

void DataFrm::emptyLinkRows()
{
    for (int row = 0; row < 4; ++row) {
        for (TagLabel* cell : {resA[row], resB[row]}) {
            cell->setCaption(QString());
            cell->Tag = QStringLiteral(" ");
            showResting(cell, state_); // an emptied row keeps no hover colour
        }
    }
}

void DataFrm::Image3_Click()
{
    openLinkEditor(false);
}

// Opens the add / edit link window below the top of the note box; its left edge is
// the main window's left edge counted twice, kept on the screen.
void DataFrm::openLinkEditor(bool editing)
{
    NewLinkFrm& editor = owner_.newLinkFrm();
    int left = 2 * x();
    const QRect screen = availableScreen();
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() - editor.width()));
    editor.move(left, y() + FileNote->y() + twipsToPixels(120));
    bringForward(&editor);
    state_.EditingLink = editing;
    // Both uses share the caption "link"; assistive tools are told which it is.
    editor.setAccessibleName(editing ? QStringLiteral("edit link") : QStringLiteral("add link"));
    if (editing) {
        editor.LinkDescription->setText(toQString(state_.SelectedLinkDescription));
        editor.LinkTxt->setText(toQString(state_.SelectedLinkTarget));
    } else {
        editor.showPromptForKind(state_.CurrentLinkKind);
    }
}

bool DataFrm::saveLink(const std::string& entry)
{
    const int owner = store::linkOwner(state_);
    const int kind = state_.CurrentLinkKind;
    const bool listShown = owner >= 0 && owner <= store::upperBound(state_.Records) && kind >= 1 && kind <= 4;
    const store::LinkList before = listShown ? state_.Records[owner].links(static_cast<store::LinkKind>(kind))
                                             : store::LinkList();
    if (!mayWriteDataFile())
        return false;
    const bool stored = store::storeLink(state_, entry);
    try {
        store::SaveDataFile(state_);
    } catch (const std::exception& error) {
        if (stored)
            state_.Records[owner].links(static_cast<store::LinkKind>(kind)) = before;
        reportWriteFailure(error, QStringLiteral("The link was not saved; it is still in the link window."));
        return false;
    }
    unsavedChange_ = false;
    ShowLinkRows();
    if (stored)
        setCountCaption(kind, state_.Records[owner].links(static_cast<store::LinkKind>(kind)).upperBound());
    return true;
}

void DataFrm::DeleteLink()
{
    const int previousOwner = store::linkOwner(state_);
    const int kind = state_.CurrentLinkKind;
    if (!mayWriteDataFile())
        return;
    try {
        store::SaveDataFileWithout(state_, store::linkRemovalLine(state_));
    } catch (const std::exception& error) {
        reportWriteFailure(error, QStringLiteral("The link was not deleted."));
        throw;
    }
    unsavedChange_ = false;
    if (!LoadDataFile(state_.DataFilePath))
        return;
    emptyLinkRows();
    ShowLinkRows();
    if (previousOwner >= 1 && previousOwner <= store::upperBound(state_.Records) && kind >= 1 && kind <= 4)
        setCountCaption(kind, state_.Records[previousOwner].links(static_cast<store::LinkKind>(kind)).upperBound());
}

} // namespace windows
