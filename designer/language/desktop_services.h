#pragma once
// What the designer hands to the desktop: the click sound, the help pages,
// opening files, folders and addresses. Tests replace the opener so nothing
// is launched; a machine without sound output stays silent.

#include <QString>
#include <QUrl>

#include <functional>

namespace vardeo {

// Plays Files/click.wav of the program folder; never blocks.
void playClick();

// Help page of a topic number (help/<topic>.htm), or the contents page for 0.
void openHelpTopic(int topic);
[[nodiscard]] QString helpPagePath(int topic);

// Opens a file, folder or address with the desktop's default handler.
void openWithDesktop(const QUrl& url);
using UrlOpener = std::function<void(const QUrl&)>;
void setUrlOpener(UrlOpener opener); // empty restores QDesktopServices

} // namespace vardeo
