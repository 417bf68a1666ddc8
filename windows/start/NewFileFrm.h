#pragma once

#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>
#include <filesystem>

class QCheckBox;
class QLineEdit;

namespace windows {

class WindowOwner;

// The new data file window: a name, and a password when the file is to be
// enciphered; "create file" writes an empty data file into the program's folder
// and opens it in the main window with an empty store.
class NewFileFrm : public QWidget {
    Q_OBJECT
public:
    explicit NewFileFrm(WindowOwner& owner);

    void Check1_Click();
    void Label1_Click(int Index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void createFile();
    bool refuseNewFile(const std::filesystem::path& path, const QString& name);
    void hoverButton(int index);

    WindowOwner& owner_;
    bool created_ = false;
    QLineEdit* SearchTxt = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<TagLabel*, 2> Label2{};
    std::array<TagLabel*, 3> Label1{}; // the buttons are indices 1 and 2
    std::array<FrameShape*, 2> Shape1{};
};

} // namespace windows
