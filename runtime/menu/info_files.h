#pragma once
// The main window's info-file entries (nfo, diz): the matching entries of
// the item's zip archive go flat into the menu's private scratch folder, the
// last one opens in the info viewer's NFO style and is deleted when the
// viewer closes. Nothing is ever written over the user's files.

#include "runtime/menu/dialog_context.h"

#include <filesystem>

namespace vistel {

class ScratchFolder;
class TInfoform;

// diz: false for the "nfo" entry, true for "diz". filenameText: the item's
// `filename` as shown in the caption. modal: false shows the viewer without
// a modal loop (tests).
void showArchiveInfoFile(QWidget* owner, const DialogContext& context, TInfoform* viewer,
                         ScratchFolder& scratch, const std::filesystem::path& zip, bool diz,
                         const QString& filenameText, bool modal = true);

} // namespace vistel
