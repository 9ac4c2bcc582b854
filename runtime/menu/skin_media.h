#pragma once
// The design's cursors, sounds, music and fonts for the run of the menu.
// Sound goes through Qt Multimedia; a machine without an audio device stays
// silent and nothing here waits for a device.

#include "runtime/menu/design.h"

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

class QSoundEffect;
class QMediaPlayer;
class QAudioOutput;

namespace vistel {

// Cursor 5, 6 or 7: a .cur file or an animated .ani, shown on the widgets
// given to it.
class SkinCursor final : public QObject {
    Q_OBJECT
public:
    explicit SkinCursor(QObject* parent = nullptr);
    // Loads <folder>/<name>.ani or, failing that, <name>.cur. False when neither exists.
    bool load(const std::filesystem::path& folder, const char* name);
    [[nodiscard]] bool loaded() const { return !m_frames.empty(); }
    void apply(QWidget* widget);

private:
    void step();
    std::vector<QCursor> m_frames;
    std::vector<std::pair<std::size_t, int>> m_steps; // frame, milliseconds
    std::size_t m_step = 0;
    QTimer m_timer;
    std::vector<QPointer<QWidget>> m_widgets;
};

class SkinSounds final : public QObject {
    Q_OBJECT
public:
    explicit SkinSounds(QObject* parent = nullptr);
    ~SkinSounds() override;
    // Loads Sound<n>.wav for every enabled sound and starts skin.mp3 looping
    // when it exists. Returns whether the design has music.
    bool load(const std::filesystem::path& skinFolder, const std::array<bool, 5>& enabled);
    // n = 1..5; sounds 2..5 also need menuSounds.
    void play(int n);
    void setMenuSounds(bool on) { m_menuSounds = on; }
    [[nodiscard]] bool menuSounds() const { return m_menuSounds; }
    void setMusic(bool on);
    [[nodiscard]] bool hasMusic() const { return m_hasMusic; }

private:
    std::array<QSoundEffect*, 5> m_effects{};
    std::array<bool, 5> m_enabled{};
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    bool m_menuSounds = true;
    bool m_hasMusic = false;
};

// Fonts a design brings for faces the desktop lacks; removed again at exit.
class SkinFonts {
public:
    SkinFonts() = default;
    ~SkinFonts();
    SkinFonts(const SkinFonts&) = delete;
    SkinFonts& operator=(const SkinFonts&) = delete;
    void install(const std::vector<FontSlot>& slots, const std::filesystem::path& dataFolder);
    void removeAll();
    [[nodiscard]] int installedCount() const { return static_cast<int>(m_ids.size()); }

private:
    std::vector<int> m_ids;
};

} // namespace vistel
