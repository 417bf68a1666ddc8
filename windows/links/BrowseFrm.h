#pragma once

#include "windows/controls/SmallWindow.h"
#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

class QComboBox;
class QListWidget;

namespace windows {

class WindowOwner;

// The file and folder picker: walks drives, folders and files and puts the chosen
// path into the add / edit link window's link box. It remembers the last drive
// and folder for as long as the program runs.
class BrowseFrm : public QWidget {
    Q_OBJECT
public:
    explicit BrowseFrm(WindowOwner& owner);

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Label1_Click(int Index);
    void setFolder(const QString& folder);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    WindowOwner& owner_;
    QString folder_;
    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    std::array<TagLabel*, 3> Label1{};
    std::array<TagLabel*, 3> Label2{};
    std::array<FrameShape*, 3> Shape1{};
    std::unique_ptr<SmallWindowButtons> buttons_;
};

} // namespace windows
