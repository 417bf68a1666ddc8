// What reaches a data file line from the boxes a person types and pastes into: no
// line break ever splits a line, and every character shown comes back unchanged.

#include "support/WindowHarness.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::DataFrm;

namespace {

class FieldTextTest : public ::testing::Test {
protected:
    windows::TagLabel* label(const QString& name) { return harness.label(window, name); }
    windows::TagLabel* command(int index) { return label(QStringLiteral("Label1_%1").arg(index)); }
    QPlainTextEdit* note() { return harness.find<QPlainTextEdit>(window, QStringLiteral("FileNote")); }
    QLineEdit* box(QWidget* in, const char* name) { return harness.find<QLineEdit>(in, QString::fromLatin1(name)); }
    void finishNote()
    {
        for (int tick = 0; tick < 100000 && window->isTyping(); ++tick)
            window->Timer1_Timer();
    }
    static void paste(QWidget* into, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    }
    void select(const QString& searched)
    {
        box(window, "SearchTxt")->setText(searched);
        WindowHarness::click(label(QStringLiteral("Res_0")));
        finishNote();
    }
    // One character typed at the end of the note, then "save changes".
    void appendToNoteAndSave(const QString& typed)
    {
        note()->setFocus();
        note()->moveCursor(QTextCursor::End);
        QTest::keyClicks(note(), typed);
        WindowHarness::click(command(6));
        finishNote();
    }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

TEST_F(FieldTextTest, PastedLineBreaksNeverSplitALineOfTheFile)
{
    window = &harness.openData("");
    WindowHarness::click(command(4));
    paste(box(window, "StatusTxt"), QStringLiteral("ab\ncd"));
    EXPECT_EQ(box(window, "StatusTxt")->text(), "ab cd");
    paste(note(), QStringLiteral("Tax\x01" "es\rsecond\r\nthird"));
    WindowHarness::click(command(6));
    finishNote();

    WindowHarness::click(command(0)); // the e-mail tab, then a new link
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    windows::NewLinkFrm& editor = harness.owner->newLinkFrm();
    paste(editor.LinkDescription, QStringLiteral("Ann\r\n\tLee"));
    paste(editor.LinkTxt, QStringLiteral("ann@example.org\n"));
    WindowHarness::click(harness.label(&editor, QStringLiteral("Label1_1")));

    EXPECT_EQ(readFile(harness.state.DataFilePath),
              "000010000001ab cd     Taxes\xAC" "second\xAC" "third\r\n"
              "000010000002Ann Lee\xAC" "ann@example.org \r\n");
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

// Every byte the code page shows (0x20 to 0xFF but the line-break mark) goes
// through the note box, the status box and the link boxes and comes back as it was.
TEST_F(FieldTextTest, EveryCharacterShownComesBackByteForByte)
{
    std::string all;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        if (byte != 0xAC)
            all += static_cast<char>(byte);
    }
    const std::string spaced = all.substr(0, 100) + " \xA0 " + all.substr(100);
    // One master per ten bytes of status, then a master whose name, note and link
    // hold them all.
    std::vector<std::string> statuses;
    std::string file;
    for (std::size_t at = 0; at < all.size(); at += 10) {
        std::string status = all.substr(at, 10);
        statuses.push_back(status);
        const int id = static_cast<int>(statuses.size());
        char key[32];
        std::snprintf(key, sizeof key, "%05d0000001", id);
        file += std::string(key) + status + std::string(10 - status.size(), ' ') + "S" + std::to_string(100 + id)
              + "\xAC" "x\r\n";
    }
    const int last = static_cast<int>(statuses.size()) + 1;
    char key[32];
    std::snprintf(key, sizeof key, "%05d00000", last);
    file += std::string(key) + "01          Whole " + spaced + "\xAC" + spaced + "\r\n";
    file += std::string(key) + "02" + spaced + "\xAC" + spaced + "\r\n";
    window = &harness.openData(file);

    for (std::size_t k = 1; k <= statuses.size(); ++k) {
        select(QStringLiteral("S%1").arg(100 + k));
        appendToNoteAndSave(QStringLiteral("!"));
    }
    select(QStringLiteral("Whole"));
    appendToNoteAndSave(QStringLiteral("!"));
    WindowHarness::click(command(0));
    WindowHarness::click(label(QStringLiteral("resB_0")));
    harness.owner->linkFrm().LinkType_Click(2); // "edit email"
    windows::NewLinkFrm& editor = harness.owner->newLinkFrm();
    editor.LinkTxt->setFocus();
    editor.LinkTxt->end(false);
    QTest::keyClicks(editor.LinkTxt, QStringLiteral("!"));
    WindowHarness::click(harness.label(&editor, QStringLiteral("Label1_1")));

    std::string expected;
    for (std::size_t k = 1; k <= statuses.size(); ++k) {
        std::snprintf(key, sizeof key, "%05zu0000001", k);
        expected += std::string(key) + statuses[k - 1] + std::string(10 - statuses[k - 1].size(), ' ') + "S"
                  + std::to_string(100 + k) + "\xAC" "x!\r\n";
    }
    std::snprintf(key, sizeof key, "%05d00000", last);
    expected += std::string(key) + "01          Whole " + spaced + "\xAC" + spaced + "!\r\n";
    expected += std::string(key) + "02" + spaced + "\xAC" + spaced + "!\r\n";
    EXPECT_EQ(readFile(harness.state.DataFilePath), expected);
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

} // namespace
