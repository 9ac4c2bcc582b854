#pragma once
// Texts of the category editor and the icon choosers: the designer language
// file's entry, or the English text when the file lacks it, and the
// editor's messages by key.

#include "designer/categories/category_tree.h"
#include "designer/language/message_service.h"

#include <QString>

#include <string_view>

class QAbstractButton;
class QWidget;

namespace vardeo {

// Section/key of the designer language file, or the English fallback.
[[nodiscard]] QString categoryText(std::string_view section, std::string_view key);
// "E<index>" of a caption section, or the English fallback.
[[nodiscard]] QString categoryCaption(std::string_view section, int index);
// Message `key` as an information box with OK (M23: a question with OK and Cancel).
Answer showCategoryMessage(std::string_view key, BoxButtons buttons = BoxButtons::Ok);
void showRefusal(CategoryRefusal refusal);
// True when the code page of the designer language can hold text; else tells the user.
bool categoryTextStorable(const QString& text);

} // namespace vardeo
