// Text written into HTML pages: escaping, the form of the site's colours and the footers' date.
#pragma once

#include <string>
#include <string_view>

namespace hv {

// The text with "&", "<", ">" and '"' written as entities, fit for element content and for attribute values
// in double quotes (the only quotes the pages use).
std::string HtmlEscape(std::string_view text);

// A site colour: "#" and six hexadecimal digits (red, green, blue), or empty for a colour left unset.
bool IsSiteColour(std::string_view text);

// Today's date as the pages' footers give it: "December 06, 2026".
std::string PageDateText();

} // namespace hv
