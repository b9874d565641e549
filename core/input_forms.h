#pragma once

#include <string>
#include <string_view>

namespace ohmcalc {

// Maps what Chinese input methods type, and what pasted web text carries, to
// the plain forms the number reader knows: full-width ASCII (U+FF01..U+FF5E)
// to ASCII, the ideographic and the no-break space to a space, U+2212 to '-',
// and 。 or ｡ to `decimal_separator`. Anything else, invalid UTF-8 included,
// is left as it is.
std::string NormaliseInputForms(std::string_view text, std::string_view decimal_separator);

}  // namespace ohmcalc
