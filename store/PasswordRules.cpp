#include "store/PasswordRules.h"

#include "store/Cp1252.h"

namespace store {

std::string newPasswordProblem(std::string_view password)
{
    const std::string refused = charactersOutsideCp1252(password);
    if (refused.empty())
        return {};
    return "The password cannot hold \"" + refused
         + "\". A password may use the letters A to Z and a to z, the digits, blanks, punctuation marks and the"
           " accented letters of Western European languages (such as \u00E9, \u00F1, \u00FC, \u00DF, \u00E5): the"
           " characters of the Windows-1252 code page.";
}

} // namespace store
