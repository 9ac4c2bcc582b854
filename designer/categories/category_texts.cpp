#include "category_texts.h"

#include "designer/language/ui_language.h"

#include <map>
#include <string>
#include <utility>

namespace vardeo {
namespace {

using Key = std::pair<std::string_view, std::string_view>;

// English texts for a language file that lacks them.
const std::map<Key, const char*>& fallbacks() {
    static const std::map<Key, const char*> table = {
        {{"Messages", "M6"}, "Please enter a name."},
        {{"Messages", "M16"}, "Please select a category first."},
        {{"Messages", "M21"}, "There is no category yet. Please add a category first."},
        {{"Messages", "M22"}, "Please enter a name for the new category."},
        {{"Messages", "M22_2"}, "A category file holds at most 255 categories. No further category can be added."},
        {{"Messages", "M23"}, "The categories have been changed. Save them now?"},
        {{"Messages", "M24"}, "There is no category to save. Please add a category first."},
        {{"Messages", "M25"}, "Please select an icon first."},
        {{"Messages", "M64"}, "The CD itself cannot be removed."},
        {{"Messages", "M65"}, "A category with this name already exists at this place."},
        {{"Messages", "M66"}, "A category cannot be moved onto itself or onto its own parent."},
        {{"Messages", "M67"}, "The CD itself cannot be moved."},
        {{"Messages", "M68"}, "A category cannot be moved into one of its own sub-categories."},
        {{"Messages", "M69"}, "The CD itself has no icon of its own to change."},
        {{"Messages", "M70"}, "The CD itself cannot be renamed here; its name is the CD name of the project."},
        {{"Messages", "M72"}, "The CD itself cannot be the start category."},
        {{"Texts", "T3"}, "Tarnic - Vardeo - Name"},
        {{"Texts", "T12"}, "Tarnic - Vardeo - Please Select An Icon"},
        {{"Texts", "T21"}, "Tarnic - Vardeo - New Category File"},
        {{"Texts", "T22"}, "Tarnic - Vardeo -"},
        {{"Genre", "E1"}, "Category File"},
        {{"Genre", "E2"}, "New"},
        {{"Genre", "E3"}, "Load"},
        {{"Genre", "E4"}, "Save"},
        {{"Genre", "E5"}, "Save As"},
        {{"Genre", "E6"}, "Categories"},
        {{"Genre", "E7"}, "Remove"},
        {{"Genre", "E10"}, "Add"},
        {{"Genre", "E11"}, "OK"},
        {{"Genre", "E12"}, "Cancel"},
        {{"Genre", "E13"}, "Help"},
        {{"Genre", "E14"}, "Rename Item"},
        {{"Genre", "E15_2"}, "Remove Item"},
        {{"Genre", "E15"}, "Change Icon"},
        {{"Genre", "E16"}, "More Icons at Tarnic Homebase"},
        {{"Genre", "E17"}, "Standard"},
        {{"Genre", "E18"}, "Rename"},
        {{"Genre", "E19"}, "Sort"},
        {{"IconWahl", "E1"}, "Icon Pack Selection Control"},
        {{"IconWahl", "E2"}, "OK"},
        {{"IconWahl", "E3"}, "Cancel"},
        {{"M_Icon", "E1"}, "Item Icon Pack Selection Control"},
        {{"M_Icon", "E2"}, "OK"},
        {{"M_Icon", "E3"}, "Cancel"},
        {{"M_Icon", "E4"}, "Help"},
        {{"M_Icon", "E5"}, "Large Icons"},
        {{"M_Icon", "E6"}, "Small Icons"},
        {{"M_Icon", "E7"}, "More Icons at Tarnic Homebase"},
        {{"AllFilesEdit", "E1"}, "OK"},
        {{"AllFilesEdit", "E2"}, "Cancel"},
    };
    return table;
}

} // namespace

QString categoryText(std::string_view section, std::string_view key) {
    const QString t = uiLanguage().text(section, key);
    if (!t.isEmpty())
        return t;
    const auto it = fallbacks().find({section, key});
    return it == fallbacks().end() ? QString() : QString::fromLatin1(it->second);
}

QString categoryCaption(std::string_view section, int index) {
    const std::string key = "E" + std::to_string(index);
    return categoryText(section, key);
}

Answer showCategoryMessage(std::string_view key, BoxButtons buttons) {
    return messages().showText(categoryText("Messages", key),
                               buttons == BoxButtons::Ok ? BoxKind::Information : BoxKind::Question, buttons,
                               QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

void showRefusal(CategoryRefusal refusal) {
    if (refusal != CategoryRefusal::None)
        showCategoryMessage(messageKey(refusal));
}

bool categoryTextStorable(const QString& text) {
    const QChar bad = uiLanguage().firstUnencodable(text);
    if (bad.isNull())
        return true;
    messages().showText(QStringLiteral("The character \"%1\" (U+%2) cannot be stored in a category file. "
                                       "Please use another character.")
                            .arg(bad)
                            .arg(bad.unicode(), 4, 16, QLatin1Char('0')),
                        BoxKind::Error, BoxButtons::Ok);
    return false;
}

} // namespace vardeo
