#pragma once

#include "platform/Platform.h"
#include "platform/PrintDialogs.h"
#include "platform/Shell.h"
#include "support/FakeBrowser.h"

#include <QIcon>
#include <QPrinter>
#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

namespace testing_support {

// What the windows would have shown or played, kept for the test to look at.
class FakeMessages : public platform::MessageBoxes {
public:
    void information(QWidget*, const QString& title, const QString& text) override
    {
        titles.push_back(title);
        texts.push_back(text);
    }
    // Questions are answered from `answers` in turn; with none left, the last answer
    // (the one Escape gives) is taken.
    int ask(QWidget*, const QString&, const QString& text, const QStringList& offered) override
    {
        questions.push_back(text);
        offers.push_back(offered);
        const int answer = answers.empty() ? static_cast<int>(offered.size()) - 1 : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    std::vector<QString> titles, texts, questions;
    std::vector<QStringList> offers;
    std::vector<int> answers;
};

class FakeTray : public platform::TrayIcon {
public:
    bool isAvailable() const override { return true; }
    void add(const QIcon&, const QString& tipText, std::function<void(int)> onMessage) override
    {
        tip = tipText;
        handler = std::move(onMessage);
        shown = true;
    }
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
    void send(int code) { handler(code); }

    bool shown = false;
    QString tip;
    std::function<void(int)> handler;
};

class FakeSounds : public platform::ClickSounds {
public:
    void play(int sound) override { played.push_back(sound); }
    std::vector<int> played;
};

// A clock that reads the times it is given, one per call, then the last again.
class FakeClock : public platform::Clock {
public:
    QDate currentDate() override { return dates[std::min(dateReadings++, dates.size() - 1)]; }
    QTime currentTime() override { return times[std::min(timeReadings++, times.size() - 1)]; }
    std::vector<QDate> dates{QDate(2026, 12, 6)};
    std::vector<QTime> times{QTime(9, 5, 7)};
    std::size_t dateReadings = 0, timeReadings = 0;
};

// Records what was to be opened and answers with a chosen result.
class FakeLauncher : public platform::Launcher {
public:
    int ShellOpen(const QString& target) override
    {
        opened.push_back(target);
        return result;
    }
    void openMail(const QString& address) override { mails.push_back(address); }
    void composeMail(const QString& address, const QString& attachment) override
    {
        composed.push_back(address);
        attachments.push_back(attachment);
    }
    int result = platform::shell::kOpened;
    std::vector<QString> opened, mails, composed, attachments;
};

// Answers the print dialogs as told, recording the page layout each print dialog
// was shown; the preview draws its pages once, as the dialog does when it opens.
class FakePrintDialogs : public platform::PrintDialogs {
public:
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        layouts.push_back(printer.pageLayout());
        return printChosen;
    }
    void preview(QPrinter& printer, QWidget*, std::function<void(QPrinter&)> paint) override { paint(printer); }
    bool choosePageSetup(QPrinter& printer, QWidget*) override
    {
        if (pageSetup)
            pageSetup(printer);
        return pageSetup != nullptr;
    }
    bool printChosen = true;
    std::function<void(QPrinter&)> pageSetup; // the user's choice; none: cancelled
    std::vector<QPageLayout> layouts; // of the printer each print dialog was shown
};

struct FakePlatform {
    FakeMessages messages;
    FakeTray tray;
    FakeSounds sounds;
    FakeClock clock;
    FakeLauncher launcher;
    FakeBrowsers browsers;
    FakePrintDialogs printing;
    platform::Services services() { return {messages, tray, sounds, clock, launcher, browsers, printing}; }
};

} // namespace testing_support
