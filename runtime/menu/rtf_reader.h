#pragma once
// A small RTF reader for the info viewer: turns the common control words
// (paragraphs, tabs, bold, italic, underline, font size, colour table and
// colours, 8-bit and Unicode characters) into HTML and skips destinations it
// does not show (font and style tables, pictures, document info). Any input
// gives some HTML; nothing here throws.

#include "shared/codepage.h"

#include <string>
#include <string_view>

namespace vistel {

[[nodiscard]] bool looksLikeRtf(std::string_view bytes);

// UTF-8 HTML of the document. \ansicpg1251 switches 8-bit characters to
// Windows-1251; otherwise fallback is used.
[[nodiscard]] std::string rtfToHtml(std::string_view rtf,
                                    tarnic::Codepage fallback = tarnic::Codepage::Windows1252);

} // namespace vistel
