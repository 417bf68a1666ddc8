#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tools {

// "brindlecase-tool report master|status|group ...": writes a report page as the
// main window and the link menu do, and prints its path. `args` are the words after
// "report". Returns the tool's exit code.
int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The report lines of the tool's overview.
void printReportOverview(std::ostream& stream);

} // namespace tools
