#include "windows/start/EncryptionFrm.h"

#include "store/FileConversion.h"
#include "store/PasswordRules.h"
#include "windows/WindowOwner.h"
#include "windows/controls/HoverColours.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>

namespace windows {
namespace {

const QString kConversionTitle = QStringLiteral("Brindlecase - Encrypt");

} // namespace

EncryptionFrm::EncryptionFrm(WindowOwner& owner) : QWidget(nullptr), owner_(owner)
{
    setObjectName(QStringLiteral("EncryptionFrm"));
    setWindowTitle(QStringLiteral("Encryption"));
    setAccessibleName(QStringLiteral("Encryption"));
    setFixedSize(360, 128);
    setMouseTracking(true);
    setAutoFillBackground(true);

    Label2[1] = new TagLabel(QStringLiteral("Label2_1"), this);
    Label2[1]->setCaption(QStringLiteral("enter encryption password:"));
    Label2[1]->setGeometry(12, 10, 336, 18);
    Label2[1]->setAutoFillBackground(false);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("password"));
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setGeometry(12, 30, 336, 24);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Label1_Click(1); });

    const platform::HandPointer hand(owner.programFolder());
    const char* captions[] = {"", "continue", "exit"};
    const char* tips[] = {"", "open file", ""};
    for (int i = 1; i <= 2; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(tips[i]), QRect(i == 1 ? 12 : 148, 80, 124, 30),
                                     Shape1[i - 1], QStringLiteral("Shape1_%1").arg(i - 1), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { hoverButton(i); });
    }
    setTabOrder(Text1, Label1[1]);
    setTabOrder(Label1[1], Label1[2]);
    Form_Load();
}

// Frames in shade 2, buttons in shade 3 on shade 4, the window in shade 5; the
// label in shade 1, black in the black-and-white scheme.
void EncryptionFrm::Form_Load()
{
    const store::AppState& state = owner_.state();
    paintSmallWindow(this, state, {Label2[1]});
    for (int i = 0; i < 2; ++i)
        Shape1[i]->setBorderColour(state.Shades[1]);
    for (int i = 1; i <= 2; ++i) {
        Label1[i]->setForeColour(state.Shades[2]);
        Label1[i]->setBackColour(state.Shades[3]);
    }
    Text1->setFocus();
}

void EncryptionFrm::Label1_Click(int Index)
{
    switch (Index) {
    case 1: continueWithPassword(); break;
    case 2: close(); break;
    default: break;
    }
}

void EncryptionFrm::continueWithPassword()
{
    if (Text1->text().isEmpty())
        return;
    if (owner_.state().OpenAfterPassword)
        openEncipheredFile();
    else
        convertChosenFile();
}

// The start window chose a ".bcy" file to open: the main window loads it with the
// password, whose test on the first line refuses a wrong one.
void EncryptionFrm::openEncipheredFile()
{
    store::AppState& state = owner_.state();
    state.FilePassword = fromQString(Text1->text());
    DataFrm& main = owner_.dataFrm();
    main.show();
    if (!main.LoadDataFile(state.DataFilePath)) {
        stayForAnotherTry();
        return;
    }
    finishOpening();
}

// A file that was opened is backed up as the start window backs up its files,
// then the start window and this one close.
void EncryptionFrm::finishOpening()
{
    owner_.startUp().makeBackupOfOpenedFile();
    owner_.unloadStartUp();
    showStartOnClose_ = false;
    close();
}

// The load error was shown and the start window brought back; it stays hidden
// while this window waits for another password.
void EncryptionFrm::stayForAnotherTry()
{
    if (owner_.isStartUpLoaded())
        owner_.startUp().hide();
    show();
    activateWindow();
    Text1->selectAll();
    Text1->setFocus();
}

void EncryptionFrm::convertChosenFile()
{
    store::AppState& state = owner_.state();
    const QString path = owner_.startUp().pathText();
    state.FilePassword = fromQString(Text1->text());
    state.DataFilePath = QDir::fromNativeSeparators(path).toStdString();
    const QString ending = path.right(3);
    if (ending == QLatin1String("bcn") || ending == QLatin1String("bcy"))
        convert(ending == QLatin1String("bcn"));
    else
        openOtherPath();
}

// Enciphers or deciphers the whole file through the store, which loads it with the
// password first and keeps the backups; any refusal leaves every file as it was
// and this window open.
void EncryptionFrm::convert(bool enciphering)
{
    store::AppState& state = owner_.state();
    platform::MessageBoxes& messages = owner_.services().messages;
    if (enciphering) {
        const std::string problem = store::newPasswordProblem(Text1->text().toStdString());
        if (!problem.empty()) {
            messages.information(this, kConversionTitle, QString::fromStdString(problem));
            return;
        }
    }
    std::string done;
    try {
        done = store::conversionMessage(store::ConvertDataFile(state.DataFilePath, state.FilePassword));
    } catch (const std::exception& error) {
        messages.information(this, kConversionTitle, QString::fromStdString(error.what()));
        return;
    }
    messages.information(this, kConversionTitle, QString::fromStdString(done));
    StartUpFrm& start = owner_.startUp();
    start.show();
    start.refreshAfterConversion();
    showStartOnClose_ = false;
    close();
}

// A path that names neither kind of data file is opened as one all the same.
void EncryptionFrm::openOtherPath()
{
    store::AppState& state = owner_.state();
    DataFrm& main = owner_.dataFrm();
    main.show();
    if (!main.LoadDataFile(state.DataFilePath)) {
        showStartOnClose_ = false; // the load error path brought it back
        close();
        return;
    }
    finishOpening();
}

void EncryptionFrm::hoverButton(int index)
{
    const store::AppState& state = owner_.state();
    for (int i = 1; i <= 2; ++i)
        showRestingBackground(Label1[i], state);
    if (index > 0)
        showHoveredBackground(Label1[index], state);
}

void EncryptionFrm::mouseMoveEvent(QMouseEvent* event)
{
    hoverButton(0);
    QWidget::mouseMoveEvent(event);
}

void EncryptionFrm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// "exit" and the close box bring the start window back.
void EncryptionFrm::closeEvent(QCloseEvent* event)
{
    if (showStartOnClose_)
        owner_.startUp().show();
    QWidget::closeEvent(event);
    owner_.unloadEncryptionFrm();
}

} // namespace windows
