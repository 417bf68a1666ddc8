#pragma once

#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <array>

namespace windows {

class WindowOwner;

// The link menu: four entries for the clicked link, worded after its kind (send
// or collect a mail address; preview or open a folder, file or web address; edit;
// delete). It closes itself after an action.
class LinkFrm : public QWidget {
    Q_OBJECT
public:
    explicit LinkFrm(WindowOwner& owner);

    void LinkType_Click(int Index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void restColours();
    void runEntry(int Index);

    WindowOwner& owner_;
    std::array<TagLabel*, 4> LinkType{};
};

} // namespace windows
