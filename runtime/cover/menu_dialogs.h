#pragma once
// Plugs the menu's dialogs into its window: copy and unpack (Tfcform with
// Tddform), the archive info files, the search window (Tsearchform) and the
// cover print dialog (Tprintdlgform). Each dialog is made once, on first use,
// when the window's design and language are loaded.

namespace vistel {

class Tvistel_form;

void installMenuDialogs(Tvistel_form& form);

} // namespace vistel
