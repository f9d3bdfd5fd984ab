// Text written into HTML pages: escaping, and the form of the site's colours.
#pragma once

#include <string>
#include <string_view>

namespace hv {

// The text with "&", "<", ">" and '"' written as entities, fit for element content and for attribute values
// in double quotes (the only quotes the pages use).
std::string HtmlEscape(std::string_view text);

// A site colour: "#" and six hexadecimal digits (red, green, blue), or empty for a colour left unset.
bool IsSiteColour(std::string_view text);

} // namespace hv
