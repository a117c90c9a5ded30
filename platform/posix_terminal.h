// How the POSIX console layer shows code-page-866 messages on a terminal
// that uses another character set. Declared here for its tests.
#ifndef KALVERO_PLATFORM_POSIX_TERMINAL_H
#define KALVERO_PLATFORM_POSIX_TERMINAL_H

#include <string>
#include <string_view>

namespace platform {

// The character set of the user's locale (LC_CTYPE). The plain C/POSIX
// locale counts as UTF-8: terminals without a locale are UTF-8 in practice.
std::string terminal_charset();

// Converts code-page-866 text into `charset`; a character that charset
// lacks becomes "?". False when no such conversion can be opened, or when
// `charset` is code page 866 itself: the bytes are then to go out unchanged.
bool convert_from_cp866(std::string_view text, const std::string& charset, std::string& converted);

}  // namespace platform

#endif  // KALVERO_PLATFORM_POSIX_TERMINAL_H
