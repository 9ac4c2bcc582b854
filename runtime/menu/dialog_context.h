#pragma once
// What the menu's dialogs take from the running menu: its folders, design,
// language texts, sounds and message box. The main window fills one of these;
// tests fill it with their own folders and hooks.

#include "runtime/menu/design.h"
#include "runtime/menu/menu_language.h"
#include "runtime/menu/runtime_paths.h"

#include <QPixmap>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vistel {

class ImageButton;

struct DialogContext {
    RuntimeFolders folders;
    Design design;
    MenuLanguage language;
    // Sound n (1..5) as the main window plays it (switches and menu sounds).
    std::function<void(int)> playSound;
    // An information box with one OK button.
    std::function<void(const QString& text)> message;

    [[nodiscard]] QString lang(const char* section, const char* key) const;
    [[nodiscard]] QString decode(const std::string& bytes) const;
    void sound(int n) const {
        if (playSound)
            playSound(n);
    }
    void show(QWidget* owner, const QString& text) const;
    // A skin picture; a null pixmap when it is missing (the dialog still works).
    [[nodiscard]] QPixmap skinPicture(const char* name) const;
    // The four pictures <prefix>_0.._3.jpg of an image button.
    void skinButton(ImageButton* button, const char* prefix) const;
};

// Field background, text colour and font of an edit group.
void applyEditStyle(QWidget* widget, const EditStyle& style);

} // namespace vistel
