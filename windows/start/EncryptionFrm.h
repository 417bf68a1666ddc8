#pragma once

#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace windows {

class WindowOwner;

// The password window. With OpenAfterPassword set it opens the chosen enciphered
// file with the password typed; otherwise it enciphers the chosen ".bcn" file or
// deciphers the chosen ".bcy" file with it, keeping backups.
class EncryptionFrm : public QWidget {
    Q_OBJECT
public:
    explicit EncryptionFrm(WindowOwner& owner);

    void Label1_Click(int Index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void continueWithPassword();
    void openEncipheredFile();
    void convertChosenFile();
    void convert(bool enciphering);
    void openOtherPath();
    void finishOpening();
    void stayForAnotherTry();
    void hoverButton(int index);

    WindowOwner& owner_;
    bool showStartOnClose_ = true;
    QLineEdit* Text1 = nullptr;
    std::array<TagLabel*, 2> Label2{}; // the label is index 1
    std::array<TagLabel*, 3> Label1{}; // the buttons are indices 1 and 2
    std::array<FrameShape*, 2> Shape1{};
};

} // namespace windows
