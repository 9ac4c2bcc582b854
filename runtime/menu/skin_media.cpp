#include "runtime/menu/skin_media.h"

#include "runtime/menu/ani_cursor.h"
#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/runtime_paths.h"
#include "shared/file_io.h"
#include "shared/paths.h"

#include <QAudioOutput>
#include <QFontDatabase>
#include <QMediaPlayer>
#include <QPixmap>
#include <QSoundEffect>
#include <QUrl>

namespace vistel {

namespace fs = std::filesystem;

namespace {

std::optional<QCursor> cursorFromCur(const std::string& bytes) {
    QPixmap pix;
    if (!pix.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<uint>(bytes.size()), "ICO") &&
        !pix.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<uint>(bytes.size()), "CUR"))
        return std::nullopt;
    const auto hot = cursorHotSpot(bytes);
    return QCursor(pix, hot ? hot->x : -1, hot ? hot->y : -1);
}

} // namespace

SkinCursor::SkinCursor(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SkinCursor::step);
}

bool SkinCursor::load(const fs::path& folder, const char* name) {
    m_frames.clear();
    m_steps.clear();
    const std::string base(name);
    if (auto ani = tarnic::findCaseInsensitive(folder, base + ".ani")) {
        if (auto bytes = tarnic::readFile(*ani)) {
            if (auto parsed = parseAni(*bytes, *ani)) {
                for (const std::string& f : parsed->frames) {
                    auto c = cursorFromCur(f);
                    m_frames.push_back(c ? *c : QCursor(Qt::ArrowCursor));
                }
                for (const auto& s : parsed->steps)
                    m_steps.emplace_back(s.frame, s.durationMs);
            }
        }
    }
    if (m_frames.empty())
        if (auto cur = tarnic::findCaseInsensitive(folder, base + ".cur"))
            if (auto bytes = tarnic::readFile(*cur))
                if (auto c = cursorFromCur(*bytes))
                    m_frames.push_back(*c);
    if (m_steps.size() > 1)
        m_timer.start(m_steps.front().second);
    return !m_frames.empty();
}

void SkinCursor::apply(QWidget* widget) {
    if (m_frames.empty() || !widget)
        return;
    m_widgets.emplace_back(widget);
    const std::size_t frame = m_steps.empty() ? 0 : m_steps[m_step].first;
    widget->setCursor(m_frames[frame < m_frames.size() ? frame : 0]);
}

void SkinCursor::step() {
    if (m_steps.empty())
        return;
    m_step = (m_step + 1) % m_steps.size();
    const auto [frame, ms] = m_steps[m_step];
    for (auto& w : m_widgets)
        if (w)
            w->setCursor(m_frames[frame]);
    m_timer.start(ms);
}

SkinSounds::SkinSounds(QObject* parent) : QObject(parent) {}

SkinSounds::~SkinSounds() {
    if (m_player)
        m_player->stop();
}

bool SkinSounds::load(const fs::path& skinFolder, const std::array<bool, 5>& enabled) {
    m_enabled = enabled;
    for (std::size_t i = 0; i < 5; ++i) {
        if (!enabled[i])
            continue;
        const auto file =
            tarnic::findCaseInsensitive(skinFolder, "Sound" + std::to_string(i + 1) + ".wav");
        if (!file)
            continue; // a missing sound file stays silent
        m_effects[i] = new QSoundEffect(this);
        m_effects[i]->setSource(QUrl::fromLocalFile(fromPath(*file)));
    }
    play(1);
    const auto music = tarnic::findCaseInsensitive(skinFolder, skinfile::kMusic);
    m_hasMusic = music.has_value();
    if (m_hasMusic) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_output->setVolume(1.0F);
        m_player->setAudioOutput(m_output);
        m_player->setLoops(QMediaPlayer::Infinite);
        m_player->setSource(QUrl::fromLocalFile(fromPath(*music)));
        m_player->play();
    }
    return m_hasMusic;
}

void SkinSounds::play(int n) {
    if (n < 1 || n > 5)
        return;
    const auto i = static_cast<std::size_t>(n - 1);
    if (!m_enabled[i] || !m_effects[i] || (n > 1 && !m_menuSounds))
        return;
    m_effects[i]->play();
}

void SkinSounds::setMusic(bool on) {
    if (!m_player)
        return;
    if (on) {
        m_player->setPosition(0);
        m_player->play();
    } else {
        m_player->stop();
    }
}

SkinFonts::~SkinFonts() { removeAll(); }

void SkinFonts::install(const std::vector<FontSlot>& slots, const fs::path& dataFolder) {
    for (const FontSlot& s : slots) {
        const QString face = QString::fromStdString(s.face);
        if (QFontDatabase::families().contains(face, Qt::CaseInsensitive))
            continue; // an installed face is used; its file is never opened
        const auto file = tarnic::findCaseInsensitive(dataFolder, s.file);
        if (!file)
            continue;
        const int id = QFontDatabase::addApplicationFont(fromPath(*file));
        if (id >= 0)
            m_ids.push_back(id);
    }
}

void SkinFonts::removeAll() {
    for (int id : m_ids)
        QFontDatabase::removeApplicationFont(id);
    m_ids.clear();
}

} // namespace vistel
