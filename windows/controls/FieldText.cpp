#include "windows/controls/FieldText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QValidator>

namespace windows {
namespace {

bool isControl(QChar c) { return c.unicode() < 0x20; }

// Rewrites the box's text as it changes, keeping the caret after what was typed.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        if (std::none_of(input.cbegin(), input.cend(), isControl))
            return Acceptable;
        const QString before = input.left(position);
        const QString fixedBefore = oneLineText(before);
        input = oneLineText(input);
        position = static_cast<int>(std::min(fixedBefore.size(), input.size()));
        return Acceptable;
    }
};

} // namespace

QString oneLineText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool inRun = false;
    for (const QChar c : text) {
        if (isControl(c)) {
            if (!inRun)
                out += QLatin1Char(' ');
            inRun = true;
        } else {
            out += c;
            inRun = false;
        }
    }
    return out;
}

void keepOnOneLine(QLineEdit* box)
{
    box->setValidator(new OneLineValidator(box));
}

QString noteBoxText(const QPlainTextEdit* box, ControlCharacters controls)
{
    const QString raw = box->document()->toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (const QChar c : raw) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // the document's frame marks
        case 0xFDD1:
        case '\n':
            text += QStringLiteral("\r\n");
            break;
        case '\t':
            text += c;
            break;
        default:
            if (!isControl(c) || controls == ControlCharacters::Kept)
                text += c;
        }
    }
    return text;
}

} // namespace windows
