#include "desktop_services.h"

#include "designer/language/ui_language.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace vardeo {
namespace {

UrlOpener& opener() {
    static UrlOpener instance;
    return instance;
}

} // namespace

void playClick() {
    // Without an output device QSoundEffect would only log errors.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    static QSoundEffect* effect = nullptr;
    if (!effect) {
        const QString file = pathToQString(uiLanguage().programFolder() / "Files" / "click.wav");
        if (!QFileInfo::exists(file))
            return;
        effect = new QSoundEffect(); // lives for the whole run, like the program's other resources
        effect->setSource(QUrl::fromLocalFile(file));
        effect->setVolume(0.6f);
    }
    effect->play();
}

QString helpPagePath(int topic) {
    const auto folder = uiLanguage().programFolder() / "help";
    return pathToQString(folder / (topic == 0 ? std::string("index.htm") : std::to_string(topic) + ".htm"));
}

void openHelpTopic(int topic) {
    QString page = helpPagePath(topic);
    if (!QFileInfo::exists(page))
        page = helpPagePath(0);
    openWithDesktop(QUrl::fromLocalFile(page));
}

void openWithDesktop(const QUrl& url) {
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void setUrlOpener(UrlOpener o) { opener() = std::move(o); }

} // namespace vardeo
