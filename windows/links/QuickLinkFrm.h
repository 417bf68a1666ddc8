#pragma once

#include "windows/controls/SmallWindow.h"
#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

class QListWidget;

namespace windows {

class WindowOwner;

// The quick link list: every distinct link of the current kind in the store, one
// of which is copied into both boxes of the add / edit link window.
class QuickLinkFrm : public QWidget {
    Q_OBJECT
public:
    explicit QuickLinkFrm(WindowOwner& owner);

    void Label1_Click(int Index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    WindowOwner& owner_;
    QListWidget* List1 = nullptr;
    TagLabel* Label2_2 = nullptr;
    std::array<TagLabel*, 2> Label1{};
    std::array<FrameShape*, 4> Shape1{};
    std::unique_ptr<SmallWindowButtons> buttons_;
};

} // namespace windows
