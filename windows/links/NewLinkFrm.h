#pragma once

#include "windows/controls/SmallWindow.h"
#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace windows {

class WindowOwner;

// The add / edit link window: a description and a target for the current link
// kind, stored in the shown record's list and written to the file at once.
class NewLinkFrm : public QWidget {
    Q_OBJECT
public:
    explicit NewLinkFrm(WindowOwner& owner);

    // Prompt and browse button for the current kind (a new link).
    void showPromptForKind(int kind);
    void Label1_Click(int Index);

    QLineEdit* LinkDescription = nullptr;
    QLineEdit* LinkTxt = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void save();

    WindowOwner& owner_;
    std::array<TagLabel*, 3> Label2{};
    std::array<TagLabel*, 4> Label1{};
    std::array<FrameShape*, 5> Shape1{};
    std::unique_ptr<SmallWindowButtons> buttons_;
};

} // namespace windows
