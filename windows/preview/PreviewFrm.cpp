#include "windows/preview/PreviewFrm.h"

#include "windows/preview/WindowBrowser.h"

#include "platform/Shell.h"
#include "store/Cp1252.h"
#include "store/SafeFile.h"
#include "store/TextLines.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FieldText.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/Text.h"
#include "windows/controls/WindowColours.h"
#include "windows/preview/DocumentFacts.h"
#include "windows/preview/PagePrinting.h"
#include "windows/preview/PreviewTitles.h"
#include "windows/preview/PropertiesDialog.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <stdexcept>

namespace windows {
namespace {

const char* const kWebCaptions[5] = {"PRINT", "PRINT PREVIEW", "PAGE SETUP", "PAGE PROPERTIES", "TEXT VIEW"};
const char* const kTextCaptions[5] = {"Save changes", "Properties", "Open File", "", ""};

constexpr int kButtonWidth = 136;
constexpr int kButtonHeight = 30;
constexpr int kGap = 8;

} // namespace

PreviewFrm::PreviewFrm(WindowOwner& owner) : QWidget(nullptr, Qt::Window), owner_(owner)
{
    setObjectName(QStringLiteral("PreviewFrm"));
    setWindowTitle(QStringLiteral("Preview"));
    setAccessibleName(QStringLiteral("Preview"));
    setMinimumSize(5 * kButtonWidth + 6 * kGap, 240);
    resize(760, 560);

    WebBrowser1 = makeWindowBrowser(owner.services().browsers, this);
    QWidget* view = WebBrowser1->widget();
    WebBrowser1->onTitleChanged([this](const QString& title) { WebBrowser1_TitleChange(title); });
    WebBrowser1->onLoadFinished([this](platform::LoadResult result) {
        const QString title = titleAfterLoad(result);
        if (!title.isEmpty())
            WebBrowser1_TitleChange(title);
    });

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Text1"));
    Text1->hide();

    QPushButton** buttons[5] = {&Command1, &Command2, &Command3, &Command4, &Command5};
    void (PreviewFrm::*clicks[5])() = {&PreviewFrm::Command1_Click, &PreviewFrm::Command2_Click,
                                       &PreviewFrm::Command3_Click, &PreviewFrm::Command4_Click,
                                       &PreviewFrm::Command5_Click};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, clicks[i]);
        *buttons[i] = button;
    }
    setTabOrder(view, Text1);
    setTabOrder(Text1, Command1);
    for (int i = 0; i < 4; ++i)
        setTabOrder(*buttons[i], *buttons[i + 1]);

    printing_ = std::make_unique<PagePrinting>(*WebBrowser1, owner.services().printing, owner.pageSetup(), this);
    setCaptions(kWebCaptions);
    Form_Load();
    Form_Resize();
    closeOnEscape(this, [this] { close(); });
}

// The browser goes first: a print it is still rendering writes into a printer
// that printing_ holds.
PreviewFrm::~PreviewFrm()
{
    delete WebBrowser1->widget();
    WebBrowser1 = nullptr;
}

// The buttons in scheme shade 3. The window keeps the desktop's opacity.
void PreviewFrm::Form_Load()
{
    const std::uint32_t shade3 = owner_.state().Shades[2];
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        paintTextBox(button, shade3, kBlack);
        button->setAutoFillBackground(true);
    }
    paintTextBoxes(this);
}

// The page (or the text that stands in for it) takes the window less a margin and
// the row of buttons, which keep their size along the bottom edge.
void PreviewFrm::Form_Resize()
{
    const int pageHeight = height() - kButtonHeight - 3 * kGap;
    WebBrowser1->widget()->setGeometry(kGap, kGap, width() - 2 * kGap, pageHeight);
    Text1->setGeometry(kGap, kGap, width() - 2 * kGap, pageHeight);
    int left = kGap;
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        button->setGeometry(left, height() - kButtonHeight - kGap, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kGap;
    }
}

void PreviewFrm::resizeEvent(QResizeEvent* event)
{
    Form_Resize();
    QWidget::resizeEvent(event);
}

// Edited text not yet saved is saved or dropped as the user chooses before the
// window shows the new target; "Cancel" keeps the text and the window as they are.
void PreviewFrm::openPreview(bool captioned, bool blankFirst)
{
    if (!mayDropEditedText()) {
        bringForward(this);
        return;
    }
    const store::AppState& state = owner_.state();
    description_ = toQString(state.SelectedLinkDescription);
    target_ = toQString(state.SelectedLinkTarget);
    showWebView();
    setWindowTitle(captioned ? QStringLiteral("Preview - ") + description_ : QStringLiteral("Preview"));
    setAccessibleName(windowTitle());
    show();
    raise();
    activateWindow();
    if (blankFirst)
        WebBrowser1->navigate(QStringLiteral("about:blank"));
    WebBrowser1->navigate(target_);
}

bool PreviewFrm::isWebView() const
{
    return WebBrowser1->widget()->isVisibleTo(this);
}

void PreviewFrm::setCaptions(const char* const (&captions)[5])
{
    QPushButton* buttons[5] = {Command1, Command2, Command3, Command4, Command5};
    for (int i = 0; i < 5; ++i) {
        const QString caption = QString::fromLatin1(captions[i]);
        buttons[i]->setText(caption);
        buttons[i]->setAccessibleName(caption.isEmpty() ? buttons[i]->objectName() : caption);
    }
}

void PreviewFrm::showWebView()
{
    Text1->hide();
    Text1->clear();
    WebBrowser1->widget()->show();
    setCaptions(kWebCaptions);
    setButtonsEnabled(true);
}

// Disabled buttons also wear slanted captions, as disabled labels do, so the
// state shows in every scheme and not by a paler shade alone.
void PreviewFrm::setButtonsEnabled(bool enabled)
{
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        button->setEnabled(enabled);
        QFont font = button->font();
        font.setItalic(!enabled);
        button->setFont(font);
    }
}

// The file is read before anything changes, so a file that cannot be read leaves
// the web view as it was. Each line, whatever ended it, is followed by CR LF.
void PreviewFrm::showTextView()
{
    std::string bytes;
    store::forEachFileLine(targetFile(), store::kMaxDataFileBytes, [&bytes](std::string_view line) { bytes.append(line).append("\r\n"); });
    WebBrowser1->widget()->hide();
    Text1->setReadOnly(false);
    Text1->setPlainText(boxText(toQString(bytes)));
    Text1->document()->setModified(false);
    Text1->show();
    Text1->setFocus();
    setCaptions(kTextCaptions);
}

void PreviewFrm::showFailure()
{
    WebBrowser1->widget()->hide();
    Text1->setPlainText(description_ + QStringLiteral("\n\nUnable to navigate to the following location: \n\n") + target_);
    Text1->document()->setModified(false);
    Text1->setReadOnly(true);
    Text1->show();
    setButtonsEnabled(false);
}

void PreviewFrm::WebBrowser1_TitleChange(const QString& Text)
{
    if (!isWebView())
        return;
    if (Text == QLatin1String(kNoPageTitle))
        runQuietly([this] { showTextView(); });
    else if (Text == QLatin1String(kCannotFindServerTitle))
        showFailure();
}

// The file the target names: a path, or a "file:" address.
std::filesystem::path PreviewFrm::targetFile() const
{
    const QUrl address = platform::browserUrl(target_);
    if (!address.isLocalFile())
        throw std::runtime_error("not a file");
    return std::filesystem::path(address.toLocalFile().toStdString());
}

// The text and one line end, in the file's code page, written whole or not at all.
// A failure is told, and the text stays in the window to save again.
void PreviewFrm::saveText()
{
    const QString text = noteBoxText(Text1, ControlCharacters::Kept) + QStringLiteral("\r\n");
    const std::string utf8 = text.toStdString();
    const std::string refused = store::charactersOutsideCp1252(utf8);
    const std::filesystem::path file = targetFile();
    try {
        if (!refused.empty())
            throw std::runtime_error(store::saveFailureMessage(
                file, "the text holds characters the file's code page (Windows-1252) cannot hold: " + refused));
        store::writeFileSafely(file, store::utf8ToCp1252(utf8));
    } catch (const std::exception& error) {
        owner_.services().messages.information(this, QStringLiteral("Brindlecase"),
                                               QString::fromStdString(error.what())
                                                   + QStringLiteral("\n\nYour text is still in the window."));
        return;
    }
    Text1->document()->setModified(false);
}

void PreviewFrm::showProperties(const QString& title, const QStringList& facts)
{
    auto* dialog = new PropertiesDialog(this, title, facts, owner_.state(), owner_.programFolder());
    bringForward(dialog);
}

void PreviewFrm::runQuietly(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception&) {
        // A button's action that fails ends quietly; the view stays as it was.
    }
}

void PreviewFrm::Command1_Click()
{
    runQuietly([this] { isWebView() ? printing_->print() : saveText(); });
}

void PreviewFrm::Command2_Click()
{
    runQuietly([this] {
        if (isWebView())
            printing_->printPreview();
        else
            showProperties(QStringLiteral("Properties"), fileFacts(QString::fromStdString(targetFile().string())));
    });
}

void PreviewFrm::Command3_Click()
{
    runQuietly([this] {
        if (isWebView())
            printing_->pageSetup();
        else
            platform::OpenLink(target_, owner_.services().launcher, owner_.services().messages, this);
    });
}

void PreviewFrm::Command4_Click()
{
    if (isWebView())
        runQuietly([this] { showProperties(QStringLiteral("Page Properties"), pageFacts(WebBrowser1->title(), WebBrowser1->address())); });
}

void PreviewFrm::Command5_Click()
{
    if (isWebView())
        runQuietly([this] { showTextView(); });
}

// Edited text that is not saved is not dropped without asking.
bool PreviewFrm::mayDropEditedText()
{
    if (isWebView() || Text1->isReadOnly() || !Text1->document()->isModified())
        return true;
    const int answer = owner_.services().messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("The text has changed since it was shown and is not saved in '%1'.\n\nSave it now, or discard it?")
            .arg(target_),
        {QStringLiteral("Save"), QStringLiteral("Discard it"), QStringLiteral("Cancel")});
    if (answer == 0) {
        runQuietly([this] { saveText(); });
        return !Text1->document()->isModified();
    }
    return answer == 1;
}

void PreviewFrm::closeEvent(QCloseEvent* event)
{
    if (!mayDropEditedText()) {
        event->ignore();
        return;
    }
    event->accept();
    owner_.unloadPreviewFrm();
}

namespace {

void previewProgramPage(WindowOwner& owner, const char* title, const std::filesystem::path& page, bool captioned)
{
    store::AppState& state = owner.state();
    state.SelectedLinkDescription = title;
    state.SelectedLinkTarget = fromQString(QString::fromStdString((state.ProgramFolder / page).string()));
    owner.previewFrm().openPreview(captioned);
}

} // namespace

void previewHelpPage(WindowOwner& owner)
{
    previewProgramPage(owner, "Brindlecase 2008 - Help", std::filesystem::path("help") / "index.htm", false);
}

void previewAboutPage(WindowOwner& owner)
{
    previewProgramPage(owner, "About Brindlecase", "About.htm", true);
}

} // namespace windows
