#pragma once

#include "tools/ToolCommands.h"

#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// What one run of the command-line tool gave: its exit code and what it printed.
struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

inline ToolRun tool(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = tools::runTool(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace testing_support
