#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// text as it may appear in a one-line message: quoted, shortened past
// maxChars (with its length said), bytes that are not printable ASCII as
// \xNN. Whatever a user passes, the message stays one short line.
std::string QuoteForMessage(std::string_view text, std::size_t maxChars = 40);
