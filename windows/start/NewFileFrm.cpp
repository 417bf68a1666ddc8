#include "windows/start/NewFileFrm.h"

#include "store/PasswordRules.h"
#include "store/SafeFile.h"
#include "store/StoreError.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/HoverColours.h"
#include "windows/controls/Legibility.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/controls/WindowColours.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>

namespace windows {

NewFileFrm::NewFileFrm(WindowOwner& owner) : QWidget(nullptr), owner_(owner)
{
    setObjectName(QStringLiteral("NewFileFrm"));
    setWindowTitle(QStringLiteral("New Brindlecase File"));
    setAccessibleName(QStringLiteral("New Brindlecase File"));
    setFixedSize(380, 212);
    setMouseTracking(true);
    setAutoFillBackground(true);

    Label2[0] = new TagLabel(QStringLiteral("Label2_0"), this);
    Label2[0]->setCaption(QStringLiteral("new brindlecase file name"));
    Label2[0]->setGeometry(12, 10, 356, 18);
    SearchTxt = new QLineEdit(this);
    SearchTxt->setObjectName(QStringLiteral("SearchTxt"));
    SearchTxt->setAccessibleName(QStringLiteral("file name"));
    SearchTxt->setGeometry(12, 30, 356, 24);
    Check1 = new QCheckBox(QStringLiteral("tick to Encrypt file"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAccessibleName(QStringLiteral("tick to Encrypt file"));
    Check1->setAutoFillBackground(true);
    Check1->setGeometry(12, 64, 356, 22);
    Label2[1] = new TagLabel(QStringLiteral("Label2_1"), this);
    Label2[1]->setCaption(QStringLiteral("enter encryption password:"));
    Label2[1]->setGeometry(12, 94, 356, 18);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("password"));
    Text1->setGeometry(12, 114, 356, 24);
    // The password is not asked twice, so it shows while it is typed.
    Text1->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    for (TagLabel* label : Label2)
        label->setAutoFillBackground(false);
    connect(Check1, &QCheckBox::clicked, this, &NewFileFrm::Check1_Click);
    connect(SearchTxt, &QLineEdit::returnPressed, this, [this] { Label1_Click(1); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Label1_Click(1); });

    const platform::HandPointer hand(owner.programFolder());
    const char* captions[] = {"", "create file", "exit"};
    const char* tips[] = {"", "create new file", ""};
    for (int i = 1; i <= 2; ++i) {
        Label1[i] = makeFramedButton(this, QStringLiteral("Label1_%1").arg(i), QString::fromLatin1(captions[i]),
                                     QString::fromLatin1(tips[i]), QRect(i == 1 ? 12 : 148, 164, 124, 30),
                                     Shape1[i - 1], QStringLiteral("Shape1_%1").arg(i - 1), hand);
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { hoverButton(i); });
    }
    setTabOrder(SearchTxt, Check1);
    setTabOrder(Check1, Text1);
    setTabOrder(Text1, Label1[1]);
    setTabOrder(Label1[1], Label1[2]);
    Form_Load();
}

// The scheme's shades: frames in shade 2, buttons in shade 3 on shade 4, the window
// and the tick box on shade 5; in black and white the labels in shade 2 and the
// tick box in shade 2 on shade 1.
void NewFileFrm::Form_Load()
{
    const store::AppState& state = owner_.state();
    auto shade = [&](int n) { return state.Shades[static_cast<std::size_t>(n - 1)]; };
    const bool nine = state.Settings.ColourScheme == 9;
    paintSmallWindow(this, state, {});
    for (TagLabel* label : Label2)
        label->setForeColour(nine ? shade(2) : shade(1));
    for (int i = 0; i < 2; ++i)
        Shape1[i]->setBorderColour(shade(2));
    for (int i = 1; i <= 2; ++i) {
        Label1[i]->setForeColour(shade(3));
        Label1[i]->setBackColour(shade(4));
    }
    const std::uint32_t tickBack = nine ? shade(1) : shade(5);
    paintTextBox(Check1, tickBack, nine ? shade(2) : shade(1));

    Check1->setChecked(false);
    Check1_Click();
}

void NewFileFrm::Check1_Click()
{
    const bool ticked = Check1->isChecked();
    Label2[1]->setEnabled(ticked);
    Text1->setEnabled(ticked);
    if (ticked) {
        Text1->clear();
        Text1->setFocus();
    }
}

void NewFileFrm::Label1_Click(int Index)
{
    switch (Index) {
    case 1: createFile(); break;
    case 2: close(); break;
    default: break;
    }
}

void NewFileFrm::createFile()
{
    store::AppState& state = owner_.state();
    const bool encipher = Check1->isChecked();
    if (encipher && Text1->text().isEmpty())
        return;
    const QString name = SearchTxt->text();
    const std::filesystem::path path =
        state.ProgramFolder / (name + (encipher ? QStringLiteral(".bcy") : QStringLiteral(".bcn"))).toStdString();
    if (refuseNewFile(path, name))
        return;
    // One empty line, not enciphered even for a ".bcy" file: the reader skips it.
    try {
        store::writeFileSafely(path, "\r\n");
    } catch (const std::exception& error) {
        owner_.services().messages.information(this, QStringLiteral("Brindlecase"), QString::fromStdString(error.what()));
        return;
    }
    state.FileEncrypted = encipher;
    if (encipher)
        state.FilePassword = fromQString(Text1->text());
    state.DataFilePath = path;
    state.Records = store::emptyRecords();
    owner_.unloadStartUp();
    owner_.dataFrm().show();
    created_ = true;
    close();
}

// A name that would leave the program's folder, and a password that the file's
// code page cannot hold, are refused with a message; the window stays.
bool NewFileFrm::refuseNewFile(const std::filesystem::path& path, const QString& name)
{
    QString problem;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        problem = QString::fromStdString(store::saveFailureMessage(path, "a file name cannot hold \"/\""));
    else if (Check1->isChecked())
        problem = QString::fromStdString(store::newPasswordProblem(Text1->text().toStdString()));
    if (problem.isEmpty())
        return false;
    owner_.services().messages.information(this, QStringLiteral("Brindlecase"), problem);
    return true;
}

void NewFileFrm::hoverButton(int index)
{
    const store::AppState& state = owner_.state();
    for (int i = 1; i <= 2; ++i)
        showResting(Label1[i], state);
    if (index > 0)
        showHovered(Label1[index], state);
}

void NewFileFrm::mouseMoveEvent(QMouseEvent* event)
{
    hoverButton(0);
    QWidget::mouseMoveEvent(event);
}

void NewFileFrm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// However the window is left, the store is emptied; without a new file the start
// window comes back.
void NewFileFrm::closeEvent(QCloseEvent* event)
{
    owner_.state().Records = store::emptyRecords();
    if (!created_)
        owner_.startUp().show();
    QWidget::closeEvent(event);
    owner_.unloadNewFileFrm();
}

} // namespace windows
