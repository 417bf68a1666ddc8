// What reaches a data file line from the boxes a person types and pastes into: no
// line break ever splits a line, and every character shown comes back unchanged.

#include "support/WindowHarness.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class FieldTextTest : public ::testing::Test, public WindowHarness {
protected:
    static void paste(QWidget* into, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    }
    // Chooses the master found by `searched`, adds "!" at the end of its note and saves.
    void appendToNoteAndSave(const QString& searched)
    {
        search(searched);
        select("Res_0");
        type(note(), QStringLiteral("!"));
        click(command(6));
        finishNote();
    }
    windows::TagLabel* saveLink() { return label(&owner->newLinkFrm(), QStringLiteral("Label1_1")); }
};

TEST_F(FieldTextTest, PastedLineBreaksNeverSplitALineOfTheFile)
{
    openData("");
    click(command(4));
    paste(status(), QStringLiteral("ab\ncd"));
    EXPECT_EQ(status()->text(), "ab cd");
    paste(note(), QStringLiteral("Tax\x01" "es\rsecond\r\nthird"));
    click(command(6));
    finishNote();

    click(command(0)); // the e-mail tab, then a new link
    click(label("Image3_3"));
    paste(owner->newLinkFrm().LinkDescription, QStringLiteral("Ann\r\n\tLee"));
    paste(owner->newLinkFrm().LinkTxt, QStringLiteral("ann@example.org\n"));
    click(saveLink());
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001ab cd     Taxes\xAC" "second\xAC" "third\r\n"
                                            "000010000002Ann Lee\xAC" "ann@example.org \r\n");
    EXPECT_TRUE(fakes.messages.texts.empty());
}

// Every byte the code page shows (0x20 to 0xFF but the line-break mark) goes
// through the status box (ten at a time, one master each), the note box and the
// link boxes and comes back as it was.
TEST_F(FieldTextTest, EveryCharacterShownComesBackByteForByte)
{
    std::string all;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        if (byte != 0xAC)
            all += static_cast<char>(byte);
    }
    const std::string spaced = all.substr(0, 100) + " \xA0 " + all.substr(100);
    const int masters = static_cast<int>(all.size() + 9) / 10;
    auto fileWith = [&](const std::string& added) {
        std::string file;
        char key[32];
        for (int k = 1; k <= masters; ++k) {
            const std::string status = all.substr(10 * (k - 1), 10);
            std::snprintf(key, sizeof key, "%05d0000001", k);
            file += key + status + std::string(10 - status.size(), ' ') + "S" + std::to_string(100 + k) + "\xAC" "x" + added + "\r\n";
        }
        std::snprintf(key, sizeof key, "%05d00000", masters + 1);
        return file + key + "01          Whole " + spaced + "\xAC" + spaced + added + "\r\n" + key + "02" + spaced + "\xAC"
            + spaced + added + "\r\n";
    };
    openData(fileWith(""));
    for (int k = 1; k <= masters; ++k)
        appendToNoteAndSave(QStringLiteral("S%1").arg(100 + k));
    appendToNoteAndSave(QStringLiteral("Whole"));
    click(command(0));
    click(label("resB_0"));
    owner->linkFrm().LinkType_Click(2); // "edit email"
    type(owner->newLinkFrm().LinkTxt, QStringLiteral("!"));
    click(saveLink());
    EXPECT_EQ(readFile(state.DataFilePath), fileWith("!"));
    EXPECT_TRUE(fakes.messages.texts.empty());
}

} // namespace
