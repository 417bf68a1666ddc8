#include "windows/start/StartUpFrm.h"

#include "platform/Shell.h"
#include "reports/MailComposer.h"
#include "store/DataFile.h"
#include "store/DataFileLock.h"
#include "store/FileConversion.h"
#include "store/Settings.h"
#include "windows/WindowOwner.h"
#include "windows/controls/ColourSchemes.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FolderLists.h"
#include "windows/controls/HoverColours.h"
#include "windows/controls/Pictures.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/WindowColours.h"
#include "windows/main/DataFrm.h"
#include "windows/preview/PreviewFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

namespace windows {
namespace {

const QStringList kDataFilePattern = {QStringLiteral("*.bcy"), QStringLiteral("*.bcn")};

} // namespace

StartUpFrm::StartUpFrm(WindowOwner& owner) : QWidget(nullptr), owner_(owner)
{
    setObjectName(QStringLiteral("StartUpFrm"));
    setWindowTitle(QStringLiteral("brindlecase"));
    setAccessibleName(QStringLiteral("brindlecase"));
    setFixedSize(560, 380);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setWindowIcon(loadIcon(QDir(owner.programFolder()).filePath(QStringLiteral("pictures/brindlecase.png"))));

    auto* banner = new QLabel(QStringLiteral("Brindlecase"), this);
    banner->setObjectName(QStringLiteral("Banner"));
    QFont big = banner->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    banner->setFont(big);
    banner->setGeometry(16, 10, 300, 34);

    SearchTxt = new QLineEdit(this);
    SearchTxt->setObjectName(QStringLiteral("SearchTxt"));
    SearchTxt->setAccessibleName(QStringLiteral("path"));
    SearchTxt->setGeometry(16, 52, 528, 24);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("drive"));
    Drive1->setGeometry(16, 86, 250, 24);
    Drive1->addItems(driveRoots());
    connect(Drive1, &QComboBox::activated, this, [this](int) { Drive1_Change(); });

    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("folders"));
    Dir1->setGeometry(16, 116, 250, 200);
    onFolderActivated(Dir1, [this] { return folder_; }, [this](const QString& folder) { setFolder(folder); });

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("files"));
    File1->setGeometry(278, 86, 266, 230);
    onFileChosen(File1, [this] { File1_Click(); });
    connect(File1, &QListWidget::itemActivated, this, [this](QListWidgetItem*) { Label1_Click(2); });

    Image7 = new TagLabel(QStringLiteral("Image7"), this);
    Image7->setToolTip(QStringLiteral("help"));
    Image7->setCaption(QString());
    Image7->setAutoFillBackground(false);
    Image7->setPixmap(loadPicture(QDir(owner.programFolder()).filePath(QStringLiteral("pictures/help.png"))));
    Image7->setGeometry(520, 14, 24, 24);
    connect(Image7, &TagLabel::clicked, this, &StartUpFrm::Image7_Click);

    const char* captions[] = {"new file", "email file", "open file", "cryption"};
    const char* tips[] = {"create a new file", "Valid with outlook", "open Brindlecase file", "Encrpt / Decrypt file"};
    const platform::HandPointer hand(owner.programFolder());
    hand.applyTo(Image7);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(tips[i]), QRect(16 + 134 * i, 330, 124, 30), Shape1[i],
                                     QStringLiteral("Shape1_%1").arg(i), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { hoverButton(i); });
    }
    Form_Load();
}

void StartUpFrm::Form_Load()
{
    store::AppState& state = owner_.state();
    const QString programFolder = owner_.programFolder();
    Drive1->setCurrentText(driveOf(programFolder, driveRoots()));
    setFolder(programFolder);
    store::readStartSettings(store::settingsPath(state.ProgramFolder), state.Settings);
    state.Shades = schemeShades(schemeInUse(state.Settings.ColourScheme), state.Shades);
    paintButtons();
}

void StartUpFrm::paintButtons()
{
    const store::AppState& state = owner_.state();
    auto shade = [&](int n) { return state.Shades[static_cast<std::size_t>(n - 1)]; };
    const bool nine = state.Settings.ColourScheme == 9;
    for (int i = 0; i < 4; ++i) {
        Label1[i]->setBackColour(nine ? shade(5) : shade(4));
        Label1[i]->setForeColour(shade(3));
        Shape1[i]->setBorderColour(shade(2));
    }
    paintWindow(this, fromColourRef(shade(5)), fromColourRef(nine ? shade(2) : shade(1)));
    paintTextBoxes(this);
}

void StartUpFrm::hoverButton(int index)
{
    const store::AppState& state = owner_.state();
    for (TagLabel* button : Label1)
        showResting(button, state);
    if (index >= 0)
        showHovered(Label1[index], state);
}

void StartUpFrm::mouseMoveEvent(QMouseEvent* event)
{
    hoverButton(-1);
    QWidget::mouseMoveEvent(event);
}

void StartUpFrm::setFolder(const QString& folder)
{
    folder_ = QDir::cleanPath(folder);
    Dir1_Change();
}

void StartUpFrm::Drive1_Change()
{
    setFolder(Drive1->currentText());
}

void StartUpFrm::Dir1_Change()
{
    fillFolderList(Dir1, folder_);
    fillFileList(File1, folder_, kDataFilePattern);
    SearchTxt->setText(QDir::toNativeSeparators(folder_));
}


QString StartUpFrm::pathText() const
{
    return SearchTxt->text();
}

void StartUpFrm::refreshAfterConversion()
{
    fillFileList(File1, folder_, kDataFilePattern);
    SearchTxt->clear();
}

QString StartUpFrm::chosenFile() const
{
    const QListWidgetItem* item = File1->currentItem();
    return item ? item->text() : QString();
}

void StartUpFrm::File1_Click()
{
    const QString name = chosenFile();
    SearchTxt->setText(QDir::toNativeSeparators(filePath(folder_, name)));
    if (name.size() > 3) {
        const QString ending = name.right(3);
        Label1[3]->setCaption(ending == QLatin1String("bcy")   ? QStringLiteral("decrypt file")
                              : ending == QLatin1String("bcn") ? QStringLiteral("encrypt file")
                                                               : QStringLiteral("cryption"));
    }
}

void StartUpFrm::Label1_Click(int Index)
{
    switch (Index) {
    case 0: showNewFileWindow(); break;
    case 1: mailChosenFile(); break;
    case 2: openFile(); break;
    case 3:
        owner_.state().OpenAfterPassword = false;
        showPasswordWindow();
        break;
    default: break;
    }
}

// The start window takes no input while the new file or the password window is
// open; they bring it back when they are left.
void StartUpFrm::showNewFileWindow()
{
    hide();
    NewFileFrm& newFile = owner_.newFileFrm();
    newFile.show();
    newFile.activateWindow();
}

void StartUpFrm::showPasswordWindow()
{
    hide();
    EncryptionFrm& password = owner_.encryptionFrm();
    password.show();
    password.activateWindow();
}

// A new mail with the chosen file attached, through the desktop's mail program.
void StartUpFrm::mailChosenFile()
{
    store::AppState& state = owner_.state();
    const QString path = SearchTxt->text();
    state.DataFilePath = QDir::fromNativeSeparators(path).toStdString();
    if (chosenFile().isEmpty()) {
        owner_.services().messages.information(this, QStringLiteral("Brindlecase"),
                                               QStringLiteral("Select a file to email."));
        return;
    }
    reports::MailParts mail;
    mail.subject = "Brindlecase File";
    mail.attachment = path.toStdString();
    owner_.services().launcher.composeMail(QString::fromStdString(reports::composeMailAddress(mail)), path);
}

void StartUpFrm::Image7_Click()
{
    previewHelpPage(owner_);
}

void StartUpFrm::openFile()
{
    store::AppState& state = owner_.state();
    const QString path = SearchTxt->text();
    state.DataFilePath = QDir::fromNativeSeparators(path).toStdString();
    const QString ending = path.right(3);
    if (ending != QLatin1String("bcy") && ending != QLatin1String("bcn")) {
        owner_.services().messages.information(this, QStringLiteral("Brindlecase"), QStringLiteral("Invalid fle type"));
        return;
    }
    if (!mayOpenWhereAnotherHasIt())
        return;
    if (ending == QLatin1String("bcy")) {
        state.FileEncrypted = true;
        state.OpenAfterPassword = true;
        showPasswordWindow(); // it asks for the password and opens the file
        return;
    }
    state.FileEncrypted = false;
    DataFrm& main = owner_.dataFrm();
    main.show();
    main.activateWindow(); // the keyboard goes on in the main window
    if (!main.LoadDataFile(state.DataFilePath))
        return;
    makeBackupOfOpenedFile();
    owner_.unloadStartUp();
}

// A file that another running Brindlecase holds opens read-only, or anyway, or not
// at all, as the user chooses; a lock left by a process that has ended is cleared
// without a word.
bool StartUpFrm::mayOpenWhereAnotherHasIt()
{
    store::AppState& state = owner_.state();
    state.ReadOnly = false;
    const std::optional<store::LockHolder> holder = store::otherHolder(state.DataFilePath);
    if (!holder)
        return true;
    const int answer = owner_.services().messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("The file '%1' is open in %2.\n\nIf both save, one will overwrite the other's changes. "
                       "Open it read-only (nothing will be saved), open it anyway, or cancel?")
            .arg(QString::fromStdString(state.DataFilePath.string()), QString::fromStdString(store::holderInWords(*holder))),
        {QStringLiteral("Open read-only"), QStringLiteral("Open anyway"), QStringLiteral("Cancel")});
    state.ReadOnly = answer == 0;
    return answer != 2;
}

// The backup is named after the file actually opened and lies beside it, whether the
// file was picked in the list or its path typed; a backup is not backed up again.
void StartUpFrm::makeBackupOfOpenedFile()
{
    store::AppState& state = owner_.state();
    if (state.DataFilePath.filename().string().rfind("BackUp_", 0) == 0)
        return;
    try {
        store::CopyDataFile(state, store::backupPath(state.DataFilePath));
    } catch (const std::exception& error) {
        owner_.services().messages.information(this, QStringLiteral("Brindlecase"), QString::fromStdString(error.what()));
    }
}

} // namespace windows
