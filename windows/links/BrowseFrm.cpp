#include "windows/links/BrowseFrm.h"

#include "platform/Platform.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FolderLists.h"
#include "windows/links/NewLinkFrm.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace windows {

BrowseFrm::BrowseFrm(WindowOwner& owner) : QWidget(nullptr, Qt::Tool), owner_(owner)
{
    setObjectName(QStringLiteral("BrowseFrm"));
    setWindowTitle(QStringLiteral("browse"));
    setAccessibleName(QStringLiteral("browse"));
    setFixedSize(460, 330);
    setMouseTracking(true);
    setAutoFillBackground(true);
    store::AppState& state = owner.state();
    platform::SetWindowOpacity(this, 220);

    Label2[0] = new TagLabel(QStringLiteral("Label2_0"), this);
    Label2[0]->setCaption(QStringLiteral("click file / folder to select link"));
    Label2[0]->setGeometry(12, 8, 436, 18);
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("drive"));
    Drive1->setGeometry(12, 30, 210, 24);
    Drive1->addItems(driveRoots());
    connect(Drive1, &QComboBox::activated, this, [this](int) { Drive1_Change(); });
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("folders"));
    Dir1->setGeometry(12, 60, 210, 170);
    onFolderActivated(Dir1, [this] { return folder_; }, [this](const QString& folder) { setFolder(folder); });
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("files"));
    File1->setGeometry(234, 30, 214, 200);
    onFileChosen(File1, [this] { File1_Click(); });
    Label2[2] = new TagLabel(QStringLiteral("Label2_2"), this);
    Label2[2]->setCaption(QStringLiteral("double click file / folder to select link"));
    Label2[2]->setGeometry(12, 234, 436, 18);
    Label1[0] = new TagLabel(QStringLiteral("Label1_0"), this);
    Label1[0]->setSpokenName(QStringLiteral("chosen path"));
    Label1[0]->setGeometry(12, 256, 436, 20);
    Label1[0]->setAutoFillBackground(false);
    Label1[0]->setElidesCaption(true); // a long path ends in "...", whole in the tooltip
    for (TagLabel* label : {Label2[0], Label2[2]})
        label->setAutoFillBackground(false);
    const char* captions[] = {"", "select", "exit"};
    const char* tips[] = {"", "select file / folder", "exit"};
    const platform::HandPointer hand(owner.programFolder());
    for (int i = 1; i <= 2; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(tips[i]), QRect(i == 1 ? 228 : 344, 288, 104, 28), Shape1[i],
                                     QStringLiteral("Shape1_%1").arg(i), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { buttons_->hover(Label1[i]); });
    }
    Shape1[0] = new FrameShape(QStringLiteral("Shape1_0"), this);
    Shape1[0]->setGeometry(4, 4, 452, 276);
    Shape1[0]->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1[0]->lower();
    buttons_ = std::make_unique<SmallWindowButtons>(state, std::vector<TagLabel*>{Label1[1], Label1[2]},
                                                    std::vector<FrameShape*>(Shape1.begin(), Shape1.end()));
    buttons_->paint();
    paintSmallWindow(this, state, {Label2[0], Label2[2], Label1[0]});

    // The drive change below shows the drive's root and remembers it as the last
    // folder, so the folder the user left is taken first: the picker opens there.
    const std::string lastFolder = state.PickerLastFolder;
    if (!state.PickerLastDrive.empty()) {
        Drive1->setCurrentText(QString::fromStdString(state.PickerLastDrive));
        Drive1_Change();
    }
    if (!lastFolder.empty())
        setFolder(QString::fromStdString(lastFolder));
    else if (state.PickerLastDrive.empty())
        setFolder(QDir::homePath()); // the first look starts in the home folder
    if (state.CurrentLinkKind == 2)
        File1->setEnabled(false);
    closeOnEscape(this, [this] { Label1_Click(2); });
}

void BrowseFrm::setFolder(const QString& folder)
{
    folder_ = QDir::cleanPath(folder);
    Dir1_Change();
}

void BrowseFrm::Drive1_Change()
{
    const QString drive = Drive1->currentText();
    folder_ = QDir::cleanPath(drive);
    Dir1_Change();
    owner_.state().PickerLastDrive = drive.toStdString();
    Label1[0]->setCaption(drive);
}

void BrowseFrm::Dir1_Change()
{
    fillFolderList(Dir1, folder_);
    fillFileList(File1, folder_);
    owner_.state().PickerLastFolder = folder_.toStdString();
    Label1[0]->setCaption(folder_);
}

void BrowseFrm::File1_Click()
{
    const QListWidgetItem* item = File1->currentItem();
    if (item)
        Label1[0]->setCaption(filePath(folder_, item->text()));
}

void BrowseFrm::Label1_Click(int Index)
{
    if (Index == 1) {
        owner_.newLinkFrm().LinkTxt->setText(Label1[0]->caption());
        owner_.unloadBrowseFrm();
    } else if (Index == 2) {
        owner_.unloadBrowseFrm();
    }
}

void BrowseFrm::mouseMoveEvent(QMouseEvent* event)
{
    buttons_->rest();
    QWidget::mouseMoveEvent(event);
}

} // namespace windows
