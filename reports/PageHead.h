#pragma once

#include "reports/DateLine.h"
#include "reports/PageText.h"

namespace reports {

// The head of the record pages, from "<html>" to the date line: title, code page,
// white body, the banner with the product's notice and "- DATE: " with `moment`.
void writePageHead(PageText& page, const DateTime& moment);

} // namespace reports
