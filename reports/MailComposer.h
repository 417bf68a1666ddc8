#pragma once

#include <string>
#include <string_view>

namespace reports {

// The parts of a new mail; any of them may be empty.
struct MailParts {
    std::string to;
    std::string subject;
    std::string body;
    std::string cc;
    std::string bcc;
    std::string attachment; // a file path
};

// The body as it goes into a "mailto:" address: "&" by "%26", a blank by "%20",
// CR LF by "%0D%0A", a CR left over by "%0D", an LF left over by "%0A", in that order.
std::string escapeMailBody(std::string_view body);

// The "mailto:" address of a new mail: the recipient, then "?" and the parameters
// Subject, Body (escaped, ended by a line break), CC, BCC and Attacth (the path in
// double quotes) for the parts that are not empty, joined by "&". Only the body is
// escaped; every other part goes in as it is. Only ASCII characters are looked at,
// so text in any ASCII-based encoding passes through unchanged.
std::string composeMailAddress(const MailParts& parts);

} // namespace reports
