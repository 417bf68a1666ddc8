// Saves one kind of file over and over, each time as the next generation, until it
// is killed: the crash test kills it at random moments and checks what is left.
//
//   save_loop data FILE        a data file of save_loop::kRecords records
//   save_loop settings FILE    the settings file (Left counts the generations)
//   save_loop page FOLDER      a report page "report.htm"

#include "SaveLoop.h"

#include "reports/PageFile.h"
#include "store/DataFile.h"
#include "store/Settings.h"

#include <cstring>
#include <iostream>

namespace {

void saveData(const std::filesystem::path& file, int generation)
{
    store::AppState state;
    state.DataFilePath = file;
    for (int index = 1; index <= save_loop::kRecords; ++index) {
        store::Record& record = state.Records.emplace_back();
        record.Id = static_cast<std::int16_t>(index);
        record.Status = "Open      ";
        record.Content = save_loop::recordText(index, generation);
    }
    store::SaveDataFile(state);
}

void saveSettings(const std::filesystem::path& file, int generation)
{
    store::Settings settings;
    settings.Left = generation;
    settings.Top = generation * 2;
    store::writeSettings(file, settings);
}

void savePage(const std::filesystem::path& folder, int generation)
{
    reports::writePage(folder, "report.htm", save_loop::pageText(generation));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: save_loop data|settings|page PATH\n";
        return 2;
    }
    const std::filesystem::path path = argv[2];
    for (int generation = 1;; ++generation) {
        if (std::strcmp(argv[1], "data") == 0)
            saveData(path, generation);
        else if (std::strcmp(argv[1], "settings") == 0)
            saveSettings(path, generation);
        else if (std::strcmp(argv[1], "page") == 0)
            savePage(path, generation);
        else
            return 2;
    }
}
