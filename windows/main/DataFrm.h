#pragma once

#include "platform/Platform.h"
#include "store/AppState.h"
#include "windows/controls/TagLabel.h"

#include <QPixmap>
#include <QStringListModel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace reports {
struct DateTime;
}

namespace windows {

class WindowOwner;

// The main window: finds, pages and shows the records of the open data file, and
// dresses itself in the chosen colour scheme. The handlers keep the names of the
// controls and events they serve.
class DataFrm : public QWidget {
    Q_OBJECT
public:
    explicit DataFrm(WindowOwner& owner);
    ~DataFrm() override;

    // The window side of loading a file: the store reads it, then the status box is
    // refilled and the search box reset; a failed load goes back to the start
    // window. Returns false when the load failed.
    bool LoadDataFile(const std::filesystem::path& path);
    void claimDataFile(const std::filesystem::path& path);

    // Master rows, sub rows and link rows.
    void VScroll1_Change();
    void Res_Click(int Index);
    void VScroll3_Change();
    void Subs_Click(int Index);
    void VScroll2_Change();
    void resA_Click(int Index);
    void resB_Click(int Index);

    // Search and status filter.
    void SearchTxt_Change();
    void StatusCombo_Click();
    void ActivateCombo();
    void StatusTxt_Change();

    // Note box and side strip.
    void Timer1_Timer();
    bool FileNote_KeyPress(int key); // true when the key was swallowed
    void FileNote_Change();
    void Image2_Click();
    void Label3_Click(int Index);
    void Image4_Click(int Index);
    void Image7_Click();
    void Label8_Click();
    void Image1_Click();
    void Label6_Click();
    void Label4_Click();

    // Command labels: the link-kind tabs and the record commands.
    void Label1_Click(int Index);

    // The window side of deleting: the store deletes and reads the file back, then
    // the search or the status filter shown is run again. False when nothing was
    // deleted because the user chose not to create a removed file again.
    bool DeleteAndReload();

    // Links: the rows of the shown list, the add / edit window and deleting.
    void ShowLinkRows();
    void Image3_Click();
    void openLinkEditor(bool editing);
    // Stores a link entry in the shown list and writes the file; false (and the
    // list as it was) when the write failed, which the user is told.
    bool saveLink(const std::string& entry);
    void DeleteLink();

    // Colour schemes.
    void cols_Click(int scheme);
    void ApplyColourScheme();

    // Pointer over the background; tray messages arrive here too.
    void Form_MouseMove();
    void TrayMessage(int code);

    // Dragging the window by its strip (positions in pixels of the strip).
    void instruction_MouseDown(QPoint position);
    void instruction_MouseMove(Qt::MouseButtons buttons, QPoint position);

    const QStringListModel& resultList() const { return List1; }
    bool isTyping() const { return Timer1.isActive(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void buildTopStrip();
    void buildRecordArea();
    void buildLinkArea();
    void buildNoteArea();
    void buildSideStrip();
    void setKeyboardOrder();
    TagLabel* largeSwatch(int scheme) const;
    TagLabel* makeLabel(const QString& name, const QString& caption, const QString& tip, QRect geometry);
    TagLabel* makeButton(const QString& name, const QString& caption, const QString& tip, QRect geometry);
    FrameShape* makeShape(const QString& name, QRect geometry);

    std::uint32_t shade(int n) const { return state_.Shades[static_cast<std::size_t>(n - 1)]; }
    void clearDisplay();
    void showMasterRows();
    void refillStatusCombo();
    void startNoteDisplay(const std::string& storedText);
    void setCountCaptions(const store::Record& record);
    void setCountCaption(int kind, int count);
    void emptyLinkRows();
    void emptySubRows();
    void setTabs(bool enabled, std::uint32_t textColour);
    void setRowChosen(TagLabel* row, bool chosen);
    void fillTransparencyCells(int last);
    QRect availableScreen() const;
    void setSoundPicture();
    void writeSettings();
    void restoreListColours();
    template <std::size_t N>
    void hoverRowArray(std::array<TagLabel*, N>& rows, int hovered);
    void hoverCommand(int hovered);
    void playSound(int sound);
    void showLinkKind(int kind);
    void prepareNewMaster();
    void prepareNewSub();
    void saveChanges();
    bool createMaster(const QString& typed);
    bool createSub(QString typed);
    void updateSub(const QString& typed);
    void updateMaster(const QString& typed);
    void writeStore();
    bool mayWriteDataFile();
    bool mayOverwriteOutsideChange();
    void reloadKeepingNote();
    bool mayDropUnsavedChange();
    bool roomForAnotherRecord();
    void deleteRecords();
    void loadNewFile();
    void addDateStamp();
    void finishNoteDisplay();
    void resetTabCaptions();
    void openLinkMenu(int row);
    void reportWriteFailure(const std::exception& error, const QString& consequence);
    QString programFile(const QString& name) const;
    void writeMasterReport();
    void writeStatusSummary();
    void openReportPage(const std::string& fileName, const std::string& page);
    reports::DateTime reportMoment();

    WindowOwner& owner_;
    store::AppState& state_;
    platform::Services services_;
    platform::HandPointer handPointer_;

    // Window-level state, reset when the window loads.
    int typewriterPosition_ = 1;
    QString noteText_;
    QPoint dragStart_;
    bool PendingMaster = false;
    bool PendingSub = false;
    // A change is in Records and on screen but not in the file (its save failed or
    // was declined); the next successful write takes it along.
    bool unsavedChange_ = false;
    std::vector<std::string> subItems_{std::string()}; // "k,name" entries and one empty slot

    // Controls, named as the window's controls.
    QLineEdit* SearchTxt = nullptr;
    QComboBox* StatusCombo = nullptr;
    QLineEdit* StatusTxt = nullptr;
    QStringListModel List1;
    std::array<TagLabel*, 5> Res{};
    std::array<TagLabel*, 15> Subs{};
    std::array<TagLabel*, 4> resA{};
    std::array<TagLabel*, 4> resB{};
    std::array<TagLabel*, 10> Label1{};
    std::array<TagLabel*, 6> Label2{};
    std::array<TagLabel*, 10> Label3{};
    std::array<FrameShape*, 10> Shape3{};
    std::array<FrameShape*, 19> Shape1{};
    std::array<FrameShape*, 2> Line1{};
    std::array<FrameShape*, 4> Line2{};
    FrameShape* Shape2 = nullptr;
    FrameShape* Shape5 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* VScroll2 = nullptr;
    QScrollBar* VScroll3 = nullptr;
    QPlainTextEdit* FileNote = nullptr;
    QTimer Timer1;
    TagLabel* Label4 = nullptr;
    TagLabel* Label5 = nullptr;
    TagLabel* Label6 = nullptr;
    TagLabel* Label7 = nullptr;
    TagLabel* Label8 = nullptr;
    TagLabel* Label9 = nullptr;
    TagLabel* Label10 = nullptr;
    TagLabel* Image1 = nullptr;
    TagLabel* Image2 = nullptr; // the sound button, Image2(2)
    TagLabel* Image3 = nullptr; // the add-link button, Image3(3)
    TagLabel* Image4_0 = nullptr;
    TagLabel* Image4_10 = nullptr;
    TagLabel* Image7 = nullptr;
    TagLabel* settingsLbl = nullptr;
    TagLabel* instruction = nullptr; // the drag strip, instruction(4)
    std::array<std::vector<TagLabel*>, 10> cols{}; // cols1 .. cols9 at 1 .. 9

    // The per-scheme pictures, at the scheme's number.
    std::array<QPixmap, 10> reportPictures_;
    std::array<QPixmap, 10> playPictures_;
    std::array<QPixmap, 10> pausePictures_;
    // The add-link button's picture for each link kind, at the kind's number.
    std::array<QPixmap, 5> linkKindPictures_;
};

} // namespace windows
