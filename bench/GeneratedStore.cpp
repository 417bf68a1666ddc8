#include "bench/GeneratedStore.h"

#include <array>
#include <cstdint>
#include <string>

namespace bench {
namespace {

class Dice {
public:
    explicit Dice(unsigned seed) : state_(seed) {}
    unsigned roll(unsigned sides)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>(state_ >> 33) % sides;
    }

private:
    std::uint64_t state_;
};

constexpr std::array<const char*, 32> kWords = {
    "garden", "invoice", "meeting", "call", "review", "draft", "budget", "report",
    "supplier", "order", "follow", "up", "with", "the", "team", "about", "next",
    "week", "project", "plan", "caf\xE9", "notes", "client", "shed", "roof", "taxes",
    "holiday", "school", "repair", "quote", "deadline", "Friday",
};
constexpr std::array<const char*, 6> kStatuses = {"Open", "Waiting", "Done", "Urgent", "Later", "Closed"};

std::string sentence(Dice& dice, std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes) {
        if (!text.empty())
            text += ' ';
        text += kWords[dice.roll(kWords.size())];
    }
    return text;
}

std::string note(Dice& dice)
{
    std::string content = sentence(dice, 12 + dice.roll(12));
    const unsigned lines = 2 + dice.roll(4);
    for (unsigned i = 0; i < lines; ++i) {
        content += store::kLineBreakMark;
        content += sentence(dice, 40 + dice.roll(60));
    }
    return content;
}

void addLinks(store::Record& record, Dice& dice, int index)
{
    const unsigned count = 2 + dice.roll(5); // 2 to 6, about 4
    for (unsigned i = 0; i < count; ++i) {
        const std::string n = std::to_string(index) + "-" + std::to_string(i);
        switch (dice.roll(4)) {
        case 0: record.Emails.push_back("Contact " + n + "\xAC" "person" + n + "@example.org"); break;
        case 1: record.Folders.push_back("Folder " + n + "\xAC" "/home/user/work/projects/" + n); break;
        case 2: record.Files.push_back("File " + n + "\xAC" "/home/user/work/documents/report-" + n + ".odt"); break;
        default: record.WebLinks.push_back("Page " + n + "\xAC" "https://www.example.org/pages/" + n); break;
        }
    }
}

} // namespace

store::Records generateStore(int recordCount, unsigned seed)
{
    Dice dice(seed);
    store::Records records = store::emptyRecords();
    records.reserve(static_cast<std::size_t>(recordCount) + 1);
    int lastMaster = 0;
    for (int index = 1; index <= recordCount; ++index) {
        store::Record& record = records.emplace_back();
        record.Id = static_cast<std::int16_t>(index);
        if (lastMaster == 0 || dice.roll(4) == 0) {
            record.Status = store::paddedStatus(kStatuses[dice.roll(kStatuses.size())]);
            lastMaster = index;
        } else {
            // Sub records go to one of the recent masters, so they interleave.
            record.Parent = static_cast<std::int16_t>(std::max(1, lastMaster - static_cast<int>(dice.roll(3))));
            while (records[record.Parent].Parent != 0)
                --record.Parent;
        }
        record.Content = note(dice);
        addLinks(record, dice, index);
    }
    return records;
}

} // namespace bench
