#include "runtime/menu/dialog_context.h"

#include "runtime/menu/image_button.h"
#include "runtime/menu/qt_bridge.h"

#include <QMessageBox>
#include <QPalette>
#include <QWidget>

namespace vistel {

QString DialogContext::lang(const char* section, const char* key) const {
    return fromBytes(language.text(section, key), language.codepage());
}

QString DialogContext::decode(const std::string& bytes) const {
    return fromBytes(bytes, language.codepage());
}

void DialogContext::show(QWidget* owner, const QString& text) const {
    if (message)
        message(text);
    else
        QMessageBox::information(owner, owner ? owner->windowTitle() : QString(), text);
}

QPixmap DialogContext::skinPicture(const char* name) const {
    if (folders.skin.empty())
        return {};
    auto pic = loadPicture(locate(folders.skin, name));
    return pic ? *pic : QPixmap();
}

void DialogContext::skinButton(ImageButton* button, const char* prefix) const {
    std::array<QPixmap, 4> pics;
    for (int i = 0; i < 4; ++i)
        pics[static_cast<std::size_t>(i)] =
            skinPicture((std::string(prefix) + "_" + std::to_string(i) + ".jpg").c_str());
    button->setPictures(pics[0], pics[1], pics[2], pics[3]);
}

void applyEditStyle(QWidget* widget, const EditStyle& style) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, toQColor(style.background));
    pal.setColor(QPalette::Text, toQColor(style.font.colour));
    pal.setColor(QPalette::WindowText, toQColor(style.font.colour));
    widget->setPalette(pal);
    widget->setFont(toQFont(style.font, widget->font()));
}

} // namespace vistel
