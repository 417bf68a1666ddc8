#include "reports/PageHead.h"

namespace reports {

void writePageHead(PageText& page, const DateTime& moment)
{
    page.fixedEach("<html>", "<head>", "<title>Brindlecase</title>",
                   "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>", "</head>",
                   "<body bgcolor='#FFFFFF' text='#000000'>",
                   "<p><font face='Arial, Helvetica, sans-serif' size='2'>BRINDLECASE - your desktop organiser");
    page.fixed("- DATE: " + dateLine(moment));
}

} // namespace reports
