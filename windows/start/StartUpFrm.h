#pragma once

#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace windows {

class WindowOwner;

// The start window: pick a data file from a drive, a folder and a file list, then
// open it, create a new one, mail it, or encipher / decipher it.
class StartUpFrm : public QWidget {
    Q_OBJECT
public:
    explicit StartUpFrm(WindowOwner& owner);

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Label1_Click(int Index);
    void Image7_Click();

    // The file chosen in the file list ("" when none).
    QString chosenFile() const;
    // The path box.
    QString pathText() const;
    void setFolder(const QString& folder);

    // Backs up the file just opened (DataFilePath) beside it as "BackUp_" + its
    // name, unless it is a backup itself; a failure is reported, the file stays open.
    void makeBackupOfOpenedFile();
    bool mayOpenWhereAnotherHasIt();
    // After a whole-file conversion: the file list read again, the path box empty.
    void refreshAfterConversion();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Form_Load();
    void openFile();
    void mailChosenFile();
    void showNewFileWindow();
    void showPasswordWindow();
    void paintButtons();
    void hoverButton(int index);

    WindowOwner& owner_;
    QString folder_;
    QLineEdit* SearchTxt = nullptr;
    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    TagLabel* Image7 = nullptr;
    std::array<TagLabel*, 4> Label1{};
    std::array<FrameShape*, 4> Shape1{};
};

} // namespace windows
