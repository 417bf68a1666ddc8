#include "windows/main/DataFrm.h"

#include "store/Cp1252.h"
#include "windows/WindowOwner.h"
#include "windows/controls/ColourSchemes.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FieldText.h"
#include "windows/controls/Pictures.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace windows {
namespace {

constexpr int kWindowWidth = 1010;
constexpr int kWindowHeight = 600;
constexpr int kSideLeft = 890;
// The records column (search, master and sub rows, commands) and the links
// column (tabs, link rows, note box) beside it; the links column is wide enough
// for the four tabs with two-digit counts in bold.
constexpr int kRecordsLeft = 12;
constexpr int kRecordsWidth = 520;
constexpr int kLinksLeft = 548;
constexpr int kLinksWidth = 332;
constexpr int kRowWidth = kRecordsWidth - 24; // room for the scroll bar
constexpr int kScrollLeft = kRecordsLeft + kRecordsWidth - 20;

// The background of swatch `element` of scheme group `scheme`.
std::uint32_t schemePaletteColour(int scheme, int element)
{
    return scheme == 9 ? kWhite : schemePalette(scheme).at(static_cast<std::size_t>(element));
}

} // namespace

DataFrm::DataFrm(WindowOwner& owner)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      owner_(owner),
      state_(owner.state()),
      services_(owner.services()),
      handPointer_(owner.programFolder())
{
    setObjectName(QStringLiteral("DataFrm"));
    setAccessibleName(QStringLiteral("Brindlecase"));
    setWindowTitle(QStringLiteral("Brindlecase"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setMouseTracking(true);
    setAutoFillBackground(true);
    const QIcon icon = loadIcon(programFile(QStringLiteral("pictures/brindlecase.png")));
    setWindowIcon(icon);
    for (int scheme = 1; scheme <= 9; ++scheme) {
        reportPictures_[scheme] = loadPicture(programFile(QStringLiteral("pictures/report%1.png").arg(scheme)));
        playPictures_[scheme] = loadPicture(programFile(QStringLiteral("pictures/play%1.png").arg(scheme)));
        pausePictures_[scheme] = loadPicture(programFile(QStringLiteral("pictures/pause%1.png").arg(scheme)));
    }
    const char* kindPictures[] = {"email", "folders", "files", "web"};
    for (int kind = 1; kind <= 4; ++kind)
        linkKindPictures_[kind] = loadPicture(programFile(QStringLiteral("pictures/%1.png").arg(QLatin1String(kindPictures[kind - 1]))));
    List1.setObjectName(QStringLiteral("List1"));
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &DataFrm::Timer1_Timer);
    buildControls();
    Form_Load();
}

DataFrm::~DataFrm()
{
    services_.tray.remove();
}

QString DataFrm::programFile(const QString& name) const
{
    return QDir(owner_.programFolder()).filePath(name);
}

TagLabel* DataFrm::makeLabel(const QString& name, const QString& caption, const QString& tip, QRect geometry)
{
    auto* label = new TagLabel(name, this);
    label->setToolTip(tip);
    label->setCaption(caption);
    label->setGeometry(geometry);
    label->setAutoFillBackground(false);
    return label;
}

TagLabel* DataFrm::makeButton(const QString& name, const QString& caption, const QString& tip, QRect geometry)
{
    TagLabel* button = makeLabel(name, caption, tip, geometry);
    button->setAutoFillBackground(true);
    button->setAlignment(Qt::AlignCenter);
    handPointer_.applyTo(button);
    return button;
}

FrameShape* DataFrm::makeShape(const QString& name, QRect geometry)
{
    auto* shape = new FrameShape(name, this);
    shape->setGeometry(geometry);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

void DataFrm::buildControls()
{
    Shape5 = makeShape(QStringLiteral("Shape5"), rect());
    Shape2 = makeShape(QStringLiteral("Shape2"), QRect(kSideLeft - 6, 34, kWindowWidth - kSideLeft, kWindowHeight - 40));
    buildTopStrip();
    buildRecordArea();
    buildLinkArea();
    buildNoteArea();
    buildSideStrip();
    setKeyboardOrder();
}

// Tab goes through the window as it reads: the search and status boxes, the
// result rows, the sub rows, the link tabs and link rows, the note box, the
// record commands, then the side strip. Empty rows and hidden controls are passed
// over.
void DataFrm::setKeyboardOrder()
{
    std::vector<QWidget*> order{SearchTxt, StatusCombo, StatusTxt};
    order.insert(order.end(), Res.begin(), Res.end());
    order.push_back(VScroll1);
    order.insert(order.end(), Subs.begin(), Subs.end());
    order.push_back(VScroll3);
    order.insert(order.end(), Label1.begin(), Label1.begin() + 4);
    for (int r = 0; r < 4; ++r)
        order.insert(order.end(), {resA[r], resB[r]});
    order.insert(order.end(), {VScroll2, Image3, FileNote});
    order.insert(order.end(), Label1.begin() + 4, Label1.end());
    for (int scheme = 1; scheme <= 9; ++scheme)
        order.push_back(largeSwatch(scheme));
    order.insert(order.end(), Label3.begin(), Label3.end());
    order.insert(order.end(), {Image2, Image4_0, Image4_10, Image7, Image1, Label7, Label6, Label8, Label4});
    for (QScrollBar* bar : {VScroll1, VScroll2, VScroll3})
        bar->setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

TagLabel* DataFrm::largeSwatch(int scheme) const
{
    for (TagLabel* swatch : cols[static_cast<std::size_t>(scheme)]) {
        if (!swatch->toolTip().isEmpty())
            return swatch;
    }
    return nullptr;
}

void DataFrm::buildTopStrip()
{
    instruction = makeLabel(QStringLiteral("instruction_4"), QString(), QString(), QRect(0, 0, kWindowWidth, 30));
    connect(instruction, &TagLabel::pressed, this, [this](Qt::MouseButton, QPoint at) { instruction_MouseDown(at); });
    connect(instruction, &TagLabel::pointerMoved, this, &DataFrm::instruction_MouseMove);
    Label5 = makeLabel(QStringLiteral("Label5"), QString(), QString(), QRect(12, 4, 160, 22));
    Label5->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont banner = Label5->font();
    banner.setBold(true);
    banner.setPointSizeF(banner.pointSizeF() * 1.3);
    Label5->setFont(banner);
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("file:"), QString(), QRect(190, 7, 30, 18));
    Label10->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label9 = makeLabel(QStringLiteral("Label9"), QString(), QStringLiteral("file in currently loaded"), QRect(222, 7, 640, 18));
    Label9->setElidesCaption(true);
    Line1[0] = makeShape(QStringLiteral("Line1_0"), QRect(0, 31, kWindowWidth, 1));
}

void DataFrm::buildRecordArea()
{
    SearchTxt = new QLineEdit(this);
    SearchTxt->setObjectName(QStringLiteral("SearchTxt"));
    SearchTxt->setToolTip(QStringLiteral("search Master Records"));
    SearchTxt->setAccessibleName(QStringLiteral("search Master Records"));
    SearchTxt->setPlaceholderText(QStringLiteral("search"));
    SearchTxt->setGeometry(kRecordsLeft, 42, 222, 24);
    connect(SearchTxt, &QLineEdit::textChanged, this, &DataFrm::SearchTxt_Change);
    // Enter in the search box goes on to the first record found.
    connect(SearchTxt, &QLineEdit::returnPressed, this, [this] {
        if (!Res[0]->caption().isEmpty())
            Res[0]->setFocus(Qt::TabFocusReason);
    });

    StatusCombo = new QComboBox(this);
    StatusCombo->setObjectName(QStringLiteral("StatusCombo"));
    StatusCombo->setEditable(true);
    StatusCombo->setInsertPolicy(QComboBox::NoInsert);
    StatusCombo->setToolTip(QStringLiteral("view records by status"));
    StatusCombo->setAccessibleName(QStringLiteral("view records by status"));
    StatusCombo->setEditText(QStringLiteral("search by Status"));
    StatusCombo->setGeometry(242, 42, 150, 24);
    connect(StatusCombo, &QComboBox::activated, this, [this](int) { StatusCombo_Click(); });

    Label2[4] = makeLabel(QStringLiteral("Label2_4"), QStringLiteral("status"), QString(), QRect(400, 46, 44, 18));
    StatusTxt = new QLineEdit(this);
    StatusTxt->setObjectName(QStringLiteral("StatusTxt"));
    StatusTxt->setAccessibleName(QStringLiteral("StatusTxt"));
    StatusTxt->setMaxLength(10);
    keepOnOneLine(StatusTxt);
    StatusTxt->setGeometry(448, 42, kRecordsLeft + kRecordsWidth - 448, 24);
    connect(StatusTxt, &QLineEdit::textChanged, this, &DataFrm::StatusTxt_Change);

    Label2[1] = makeLabel(QStringLiteral("Label2_1"), QStringLiteral("masters"), QString(), QRect(12, 74, 100, 18));
    Shape1[0] = makeShape(QStringLiteral("Shape1_0"), QRect(kRecordsLeft, 92, kRecordsWidth, 5 * 22 + 4));
    for (int r = 0; r < 5; ++r) {
        Res[r] = makeLabel(QStringLiteral("Res_%1").arg(r), QString(), QString(), QRect(kRecordsLeft + 2, 94 + 22 * r, kRowWidth, 22));
        Res[r]->setAutoFillBackground(true);
        Res[r]->setIndent(6);
        Res[r]->setElidesCaption(true);
        Res[r]->Tag = QStringLiteral("-1");
        connect(Res[r], &TagLabel::clicked, this, [this, r] { Res_Click(r); });
        connect(Res[r], &TagLabel::pointerMoved, this, [this, r] { hoverRowArray(Res, r); });
    }
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setAccessibleName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(kScrollLeft, 94, 18, 110);
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, &DataFrm::VScroll1_Change);

    Label2[2] = makeLabel(QStringLiteral("Label2_2"), QStringLiteral("subs"), QString(), QRect(12, 214, 100, 18));
    Shape1[1] = makeShape(QStringLiteral("Shape1_1"), QRect(kRecordsLeft, 232, kRecordsWidth, 15 * 18 + 4));
    for (int r = 0; r < 15; ++r) {
        Subs[r] = makeLabel(QStringLiteral("Subs_%1").arg(r), QString(), QString(), QRect(kRecordsLeft + 2, 234 + 18 * r, kRowWidth, 18));
        Subs[r]->setAutoFillBackground(true);
        Subs[r]->setIndent(6);
        Subs[r]->setElidesCaption(true);
        connect(Subs[r], &TagLabel::clicked, this, [this, r] { Subs_Click(r); });
        connect(Subs[r], &TagLabel::pointerMoved, this, [this, r] { hoverRowArray(Subs, r); });
    }
    VScroll3 = new QScrollBar(Qt::Vertical, this);
    VScroll3->setObjectName(QStringLiteral("VScroll3"));
    VScroll3->setAccessibleName(QStringLiteral("VScroll3"));
    VScroll3->setGeometry(kScrollLeft, 234, 18, 270);
    VScroll3->hide();
    connect(VScroll3, &QScrollBar::valueChanged, this, &DataFrm::VScroll3_Change);

    Line1[1] = makeShape(QStringLiteral("Line1_1"), QRect(kRecordsLeft, 516, kRecordsWidth, 1));
    struct Command {
        const char* caption;
        const char* tip;
        bool enabled;
    };
    const Command commands[] = {
        {"new master record", "create new master record", true}, {"  new sub record  ", "create new sub record", false},
        {"save changes", "save changes", false},                 {"delete records", "delete record", false},
        {"load new file", "load new file", true},                {"+ ", "add date / time stamp", true},
    };
    for (int i = 0; i < 6; ++i) {
        const QRect place(kRecordsLeft + 175 * (i % 3), 526 + 34 * (i / 3), 170, 28);
        Shape1[4 + i] = makeShape(QStringLiteral("Shape1_%1").arg(4 + i), place.adjusted(-1, -1, 1, 1));
        TagLabel* button = makeButton(QStringLiteral("Label1_%1").arg(4 + i), QString::fromLatin1(commands[i].caption),
                                      QString::fromLatin1(commands[i].tip), place);
        button->setEnabled(commands[i].enabled);
        Label1[4 + i] = button;
    }
}

void DataFrm::buildLinkArea()
{
    const char* kinds[] = {"email", "folders", "files", "web"};
    const char* tips[] = {"view emails", "view folders", "view files", "view web links"};
    // Each tab is as wide as its caption with a two-digit count needs in bold (the
    // chosen tab), and the room left over is shared out, so "folders  [12]" is
    // never cut.
    constexpr int kTabsLeft = kLinksLeft, kTabsWidth = kLinksWidth, kGap = 4;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    std::array<int, 4> widths{};
    int needed = 3 * kGap;
    for (int k = 0; k < 4; ++k) {
        widths[k] = boldMetrics.horizontalAdvance(QString::fromLatin1(kinds[k]) + QStringLiteral("  [88]")) + 8;
        needed += widths[k];
    }
    const int share = std::max(0, kTabsWidth - needed) / 4;
    int left = kTabsLeft;
    for (int k = 0; k < 4; ++k) {
        const QRect place(left, 42, widths[k] + share, 24);
        left += place.width() + kGap;
        Shape1[10 + k] = makeShape(QStringLiteral("Shape1_%1").arg(10 + k), place.adjusted(-1, -1, 1, 1));
        Label1[k] = makeButton(QStringLiteral("Label1_%1").arg(k), QString::fromLatin1(kinds[k]),
                               QString::fromLatin1(tips[k]), place);
        Label1[k]->setEnabled(false);
    }
    for (int i = 0; i < 10; ++i) {
        connect(Label1[i], &TagLabel::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &TagLabel::pointerMoved, this, [this, i] { hoverCommand(i); });
    }
    Shape1[14] = makeShape(QStringLiteral("Shape1_14"), QRect(kLinksLeft, 72, kLinksWidth, 4 * 22 + 4));
    for (int r = 0; r < 4; ++r) {
        resA[r] = makeLabel(QStringLiteral("resA_%1").arg(r), QString(), QString(), QRect(kLinksLeft + 2, 74 + 22 * r, 110, 22));
        resB[r] = makeLabel(QStringLiteral("resB_%1").arg(r), QString(), QString(), QRect(kLinksLeft + 112, 74 + 22 * r, kLinksWidth - 134, 22));
        for (TagLabel* cell : {resA[r], resB[r]}) {
            cell->setAutoFillBackground(true);
            cell->setIndent(4);
            cell->setElidesCaption(true);
            cell->Tag = QStringLiteral(" ");
        }
        connect(resA[r], &TagLabel::clicked, this, [this, r] { resA_Click(r); });
        connect(resB[r], &TagLabel::clicked, this, [this, r] { resB_Click(r); });
        connect(resA[r], &TagLabel::pointerMoved, this, [this, r] { hoverRowArray(resA, r); });
        connect(resB[r], &TagLabel::pointerMoved, this, [this, r] { hoverRowArray(resB, r); });
    }
    VScroll2 = new QScrollBar(Qt::Vertical, this);
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    VScroll2->setAccessibleName(QStringLiteral("VScroll2"));
    VScroll2->setGeometry(kLinksLeft + kLinksWidth - 20, 74, 18, 88);
    VScroll2->hide();
    connect(VScroll2, &QScrollBar::valueChanged, this, &DataFrm::VScroll2_Change);
    Image3 = makeLabel(QStringLiteral("Image3_3"), QString(), QStringLiteral("NEW ITEM"), QRect(kLinksLeft, 168, 24, 24));
    Image3->setPixmap(loadPicture(programFile(QStringLiteral("pictures/addlink.png"))));
    handPointer_.applyTo(Image3);
    connect(Image3, &TagLabel::clicked, this, &DataFrm::Image3_Click);
    Image3->hide();
}

void DataFrm::buildNoteArea()
{
    Label2[5] = makeLabel(QStringLiteral("Label2_5"), QStringLiteral("[press any key for quick display]"), QString(),
                          QRect(kLinksLeft + 32, 172, kLinksWidth - 36, 18));
    Label2[5]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2[5]->hide();
    Shape1[15] = makeShape(QStringLiteral("Shape1_15"), QRect(kLinksLeft - 1, 195, kLinksWidth + 2, 364));
    FileNote = new QPlainTextEdit(this);
    FileNote->setObjectName(QStringLiteral("FileNote"));
    FileNote->setAccessibleName(QStringLiteral("FileNote"));
    FileNote->setGeometry(kLinksLeft, 196, kLinksWidth, 362);
    FileNote->setFrameShape(QFrame::NoFrame);
    FileNote->setTabChangesFocus(true); // notes hold no typed tabs: Tab moves on
    FileNote->installEventFilter(this);
    connect(FileNote, &QPlainTextEdit::textChanged, this, &DataFrm::FileNote_Change);
    for (int i = 16; i <= 18; ++i)
        Shape1[i] = makeShape(QStringLiteral("Shape1_%1").arg(i), QRect());
    Shape1[16]->setGeometry(SearchTxt->geometry().adjusted(-1, -1, 1, 1));
    Shape1[17]->setGeometry(StatusCombo->geometry().adjusted(-1, -1, 1, 1));
    Shape1[18]->setGeometry(StatusTxt->geometry().adjusted(-1, -1, 1, 1));
    Shape1[2] = makeShape(QStringLiteral("Shape1_2"), QRect(kLinksLeft - 2, 40, kLinksWidth + 4, 154));
    Shape1[3] = makeShape(QStringLiteral("Shape1_3"), QRect(kRecordsLeft - 6, 36, kRecordsWidth + 12, 556));
}

void DataFrm::buildSideStrip()
{
    const int x = kSideLeft;
    settingsLbl = makeLabel(QStringLiteral("settingsLbl"), QStringLiteral("colour"), QString(), QRect(x, 40, 100, 18));
    for (int scheme = 1; scheme <= 9; ++scheme) {
        const int y = 60 + 17 * (scheme - 1);
        const int large = scheme == 1 ? 5 : 2;
        auto addSwatch = [&](int element, QRect place, bool isLarge) {
            TagLabel* swatch = makeLabel(QStringLiteral("cols%1_%2").arg(scheme).arg(element), QString(),
                                         isLarge ? QStringLiteral("choose colour scheme") : QString(), place);
            swatch->setAutoFillBackground(true);
            swatch->setBackColour(schemePaletteColour(scheme, element));
            swatch->setOutlinedWhenAlike(true);
            // Only the large swatch is a Tab stop; every swatch is told apart by name.
            swatch->setAlwaysReachable(isLarge);
            swatch->setSpokenName(isLarge ? QStringLiteral("colour scheme %1").arg(scheme)
                                          : QStringLiteral("colour scheme %1 swatch %2").arg(scheme).arg(element));
            handPointer_.applyTo(swatch);
            connect(swatch, &TagLabel::clicked, this, [this, scheme] { cols_Click(scheme); });
            cols[scheme].push_back(swatch);
        };
        if (scheme == 9) {
            addSwatch(6, QRect(x, y, 100, 14), true);
            continue;
        }
        int left = x;
        for (int element = 0; element <= 5; ++element) {
            const int width = element == large ? 30 : 12;
            addSwatch(element, QRect(left, y, width, 14), element == large);
            left += width + 2;
        }
    }
    Line2[0] = makeShape(QStringLiteral("Line2_0"), QRect(x, 218, 104, 1));
    Label2[0] = makeLabel(QStringLiteral("Label2_0"), QStringLiteral("transparency"), QString(), QRect(x, 224, 104, 18));
    for (int i = 0; i < 10; ++i) {
        const QRect cell(x + 10 * i, 244, 9, 16);
        Shape3[i] = makeShape(QStringLiteral("Shape3_%1").arg(i), cell);
        Label3[i] = makeLabel(QStringLiteral("Label3_%1").arg(i), QString(), QStringLiteral("set application transparency"), cell);
        Label3[i]->setSpokenName(QStringLiteral("transparency %1%").arg(10 * (i + 1)));
        Label3[i]->setAlwaysReachable(true);
        handPointer_.applyTo(Label3[i]);
        connect(Label3[i], &TagLabel::clicked, this, [this, i] { Label3_Click(i); });
    }
    Line2[1] = makeShape(QStringLiteral("Line2_1"), QRect(x, 268, 104, 1));
    Label2[3] = makeLabel(QStringLiteral("Label2_3"), QStringLiteral("sound"), QString(), QRect(x, 278, 60, 18));
    Image2 = makeLabel(QStringLiteral("Image2_2"), QString(), QStringLiteral("turn sound on/off"), QRect(x + 62, 274, 24, 24));
    handPointer_.applyTo(Image2);
    connect(Image2, &TagLabel::clicked, this, &DataFrm::Image2_Click);
    Line2[2] = makeShape(QStringLiteral("Line2_2"), QRect(x, 304, 104, 1));
    Image4_0 = makeLabel(QStringLiteral("Image4_0"), QString(), QStringLiteral("Master Summary"), QRect(x, 312, 28, 28));
    Image4_10 = makeLabel(QStringLiteral("Image4_10"), QString(), QStringLiteral("Status Summary"), QRect(x + 34, 312, 28, 28));
    Image7 = makeLabel(QStringLiteral("Image7"), QString(), QStringLiteral("help"), QRect(x + 72, 314, 24, 24));
    Image7->setPixmap(loadPicture(programFile(QStringLiteral("pictures/help.png"))));
    for (TagLabel* picture : {Image4_0, Image4_10, Image7})
        handPointer_.applyTo(picture);
    connect(Image4_0, &TagLabel::clicked, this, [this] { Image4_Click(0); });
    connect(Image4_10, &TagLabel::clicked, this, [this] { Image4_Click(10); });
    connect(Image7, &TagLabel::clicked, this, &DataFrm::Image7_Click);
    Line2[3] = makeShape(QStringLiteral("Line2_3"), QRect(x, 346, 104, 1));
    Image1 = makeLabel(QStringLiteral("Image1"), QString(), QStringLiteral("file"), QRect(x, 354, 24, 24));
    Image1->setPixmap(loadPicture(programFile(QStringLiteral("pictures/file.png"))));
    Image1->setSpokenName(QStringLiteral("file menu")); // "file" is the caption beside it
    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("file"), QString(), QRect(x + 28, 358, 60, 18));
    Label6 = makeButton(QStringLiteral("Label6"), QStringLiteral("  shut-down"), QStringLiteral("shut down application"),
                        QRect(x, 384, 104, 22));
    Label8 = makeButton(QStringLiteral("Label8"), QStringLiteral("  about"), QStringLiteral("about software"), QRect(x, 408, 104, 22));
    for (TagLabel* item : {Label6, Label8}) {
        item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->hide();
    }
    for (TagLabel* opener : {Image1, Label7})
        handPointer_.applyTo(opener);
    connect(Image1, &TagLabel::clicked, this, &DataFrm::Image1_Click);
    connect(Label7, &TagLabel::clicked, this, &DataFrm::Image1_Click);
    connect(Label6, &TagLabel::clicked, this, &DataFrm::Label6_Click);
    connect(Label8, &TagLabel::clicked, this, &DataFrm::Label8_Click);
    Label4 = makeButton(QStringLiteral("Label4"), QStringLiteral("hide"), QStringLiteral("hide to system tray"),
                        QRect(x, 560, 104, 24));
    connect(Label4, &TagLabel::clicked, this, &DataFrm::Label4_Click);
}

void DataFrm::Form_Load()
{
    state_.TransparencyLevel = 255;
    platform::SetWindowOpacity(this, state_.TransparencyLevel);
    state_.CurrentMaster = -1;
    state_.CurrentSub = -1;
    Label5->setCaption(QStringLiteral("Brindlecase"));
    Label9->setCaption(QString::fromStdString(state_.DataFilePath.string()));
    state_.EmailGroup.assign(1, std::string());
    if (services_.tray.isAvailable()) {
        services_.tray.add(windowIcon(), QStringLiteral("Click to Launch Brindlecase"),
                           [this](int code) { TrayMessage(code); });
    }
    store::Settings settings = state_.Settings;
    settings.Left = pixelsToTwips(x());
    settings.Top = pixelsToTwips(y());
    const bool read = store::readMainSettings(store::settingsPath(state_.ProgramFolder), settings);
    state_.Settings = settings;
    if (read) {
        move(twipsToPixels(settings.Left), twipsToPixels(settings.Top));
        setSoundPicture();
    }
    ApplyColourScheme();
}

void DataFrm::writeSettings()
{
    state_.Settings.Left = pixelsToTwips(x());
    state_.Settings.Top = pixelsToTwips(y());
    try {
        store::writeSettings(store::settingsPath(state_.ProgramFolder), state_.Settings);
    } catch (const std::exception& error) {
        services_.messages.information(this, QStringLiteral("Brindlecase"), QString::fromStdString(error.what()));
    }
}

void DataFrm::instruction_MouseDown(QPoint position)
{
    dragStart_ = position;
}

void DataFrm::instruction_MouseMove(Qt::MouseButtons buttons, QPoint position)
{
    if (!(buttons & Qt::LeftButton)) {
        handPointer_.applyTo(instruction);
        return;
    }
    move(x() + position.x() - dragStart_.x(), y() + position.y() - dragStart_.y());
    writeSettings();
}

void DataFrm::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void DataFrm::Form_MouseMove()
{
    owner_.unloadLinkFrm();
    owner_.unloadQuickLinkFrm();
    restoreListColours();
    Label6->hide();
    Label8->hide();
}

void DataFrm::TrayMessage(int code)
{
    switch (code) {
    case platform::TrayIcon::kLeftButtonUp:
    case platform::TrayIcon::kDoubleClick:
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
        break;
    case platform::TrayIcon::kRightButtonUp:
        raise();
        activateWindow();
        break;
    default:
        break;
    }
}

bool DataFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FileNote && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (FileNote_KeyPress(key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DataFrm::playSound(int sound)
{
    if (state_.Settings.SoundOn)
        services_.sounds.play(sound);
}

} // namespace windows
