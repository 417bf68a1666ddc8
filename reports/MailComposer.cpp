#include "reports/MailComposer.h"

namespace reports {
namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(from, start)) != std::string::npos; start = found + from.size()) {
        out.append(text, start, found - start);
        out.append(to);
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

void appendParameter(std::string& parameters, std::string_view name, std::string_view value)
{
    parameters += '&';
    parameters += name;
    parameters += '=';
    parameters += value;
}

} // namespace

std::string escapeMailBody(std::string_view body)
{
    std::string escaped(body);
    // "&" goes first, so that the "%" signs the later steps write stay as they are.
    replaceAll(escaped, "&", "%26");
    replaceAll(escaped, " ", "%20");
    replaceAll(escaped, "\r\n", "%0D%0A");
    replaceAll(escaped, "\r", "%0D");
    replaceAll(escaped, "\n", "%0A");
    return escaped;
}

std::string composeMailAddress(const MailParts& parts)
{
    std::string parameters;
    if (!parts.subject.empty())
        appendParameter(parameters, "Subject", parts.subject);
    if (!parts.body.empty())
        appendParameter(parameters, "Body", escapeMailBody(parts.body) + "%0D%0A");
    if (!parts.cc.empty())
        appendParameter(parameters, "CC", parts.cc);
    if (!parts.bcc.empty())
        appendParameter(parameters, "BCC", parts.bcc);
    if (!parts.attachment.empty())
        appendParameter(parameters, "Attacth", "\"" + parts.attachment + "\"");
    if (!parameters.empty())
        parameters[0] = '?';
    return "mailto:" + parts.to + parameters;
}

} // namespace reports
