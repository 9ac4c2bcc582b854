// The commands of the category editor and the main window's Categories command.

#include "designer/categories/category_editor.h"
#include "designer/categories/category_texts.h"
#include "designer/categories/icon_choosers.h"
#include "designer/language/desktop_services.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/project/project_session.h"
#include "shared/file_io.h"
#include "shared/paths.h"
#include "shared/text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace vardeo {

namespace fs = std::filesystem;

namespace {

void showError(const tarnic::Error& error) {
    messages().showText(QString::fromStdString(error.message()), BoxKind::Error, BoxButtons::Ok);
}

} // namespace

fs::path Tgfform::categoriesFolder() const {
    return tarnic::findCaseInsensitive(m_programFolder, "Categories").value_or(m_programFolder / "Categories");
}

std::optional<fs::path> Tgfform::chooseCategoryFile(bool save) {
    FileDialogRequest request{save ? FileDialogKind::Save : FileDialogKind::Open,
                              save ? m_saveAs->text() : m_lgf->text(), categoriesFolder(),
                              QStringLiteral("Tarnic - Vardeo - Categoryfile (*.cmg)")};
    auto chosen = chooseFile(this, request);
    if (!chosen)
        return std::nullopt;
    if (!chosen->has_extension())
        chosen->replace_extension(".cmg");
    std::error_code ec;
    const fs::path folder = chosen->parent_path().empty() ? fs::path(".") : chosen->parent_path();
    if (!fs::is_directory(folder, ec) || (!save && !fs::is_regular_file(*chosen, ec))) {
        showError(tarnic::Error{*chosen, save ? "the folder does not exist" : "the file does not exist"});
        return std::nullopt;
    }
    return chosen;
}

void Tgfform::prepare(CategoryEditorHost& host) {
    m_host = &host;
    applyLanguage();
    fs::path file = host.categoryFile();
    if (file.empty() || !tarnic::fileExists(file)) {
        // The project names no category file that exists: it takes the standard set.
        file = m_set.standardSet();
        host.setCategoryFile(file);
        host.setModified();
    }
    m_icons.clear();
    if (auto st = m_set.load(file, rootCaptionFor(host)); !st) {
        showError(st.error());
        m_set.newSet(rootCaptionFor(host));
        m_set.setChanged(false);
    }
    rebuild(&m_set.tree().root());
    updateTitle();
}

bool Tgfform::execute(CategoryEditorHost& host) {
    prepare(host);
    const bool adopted = runModal(*this) == QDialog::Accepted;
    m_host = nullptr;
    return adopted;
}

void Tgfform::crgfClick() {
    m_set.newSet(m_host != nullptr ? rootCaptionFor(*m_host) : m_set.tree().root().caption);
    m_icons.clear();
    rebuild(&m_set.tree().root());
    updateTitle();
}

void Tgfform::lgfClick() {
    const auto file = chooseCategoryFile(false);
    if (!file)
        return;
    const std::string root = m_host != nullptr ? rootCaptionFor(*m_host) : m_set.tree().root().caption;
    if (auto st = m_set.load(*file, root); !st) {
        showError(st.error());
        return;
    }
    m_icons.clear();
    rebuild(&m_set.tree().root());
    if (m_host != nullptr)
        m_host->setModified();
    updateTitle();
}

bool Tgfform::saveTo(const fs::path& file) {
    const CategorySaveOutcome out = m_set.save(file);
    if (refuse(out.refusal))
        return false;
    if (out.error) {
        showError(*out.error);
        return false;
    }
    updateTitle();
    return true;
}

void Tgfform::sgfClick() {
    if (m_set.saveNeedsChoice()) {
        SaveAsClick();
        return;
    }
    (void)saveTo(m_set.currentFile());
}

void Tgfform::SaveAsClick() {
    if (m_set.tree().categoryCount() == 0) {
        refuse(CategoryRefusal::NothingToSave);
        return;
    }
    if (const auto file = chooseCategoryFile(true))
        (void)saveTo(*file);
}

void Tgfform::addClick() {
    CategoryNode* parent = selectedNode();
    // The category file cannot keep blanks around a caption: they would be gone after a reload.
    const QString typed = m_name->text().trimmed();
    if (!categoryTextStorable(typed))
        return;
    const std::string caption = uiLanguage().encode(typed).value_or(std::string());
    const CategoryRefusal refusal = m_set.tree().checkAdd(parent, caption);
    if (refuse(refusal)) {
        if (refusal == CategoryRefusal::EmptyName)
            m_name->setFocus();
        return;
    }
    m_chooser->setMode(QStringLiteral("hinz"));
    const auto icon = m_chooser->choose();
    if (!icon)
        return;
    const int image = m_set.appendImage(*icon);
    CategoryNode& node = m_set.tree().add(*parent, caption, image, icon->string());
    m_set.setChanged();
    m_name->clear();
    m_expanded.insert(parent);
    rebuild(parent);
    if (QTreeWidgetItem* item = itemOf(node))
        m_tree->scrollToItem(item);
}

void Tgfform::remClick() {
    CategoryNode* node = selectedNode();
    CategoryNode* parent = node != nullptr ? node->parent : nullptr;
    if (refuse(m_set.tree().remove(node)))
        return;
    m_set.setChanged();
    rebuild(parent);
}

void Tgfform::renamebtnClick() {
    CategoryNode* node = selectedNode();
    if (refuse(m_set.tree().checkRename(node)))
        return;
    const auto name = m_rename->edit(uiLanguage().decode(node->plainCaption()));
    if (!name)
        return;
    if (refuse(m_set.tree().rename(node, *name)))
        return;
    m_set.setChanged();
    rebuild(node);
}

void Tgfform::chanegicon1Click() {
    CategoryNode* node = selectedNode();
    if (refuse(m_set.tree().checkChangeIcon(node)))
        return;
    m_chooser->setMode(QStringLiteral("change"));
    const auto icon = m_chooser->choose();
    if (!icon)
        return;
    m_set.tree().changeIcon(*node, m_set.appendImage(*icon), icon->string());
    m_set.setChanged();
    rebuild(node);
}

void Tgfform::standardClick() {
    CategoryNode* node = selectedNode();
    if (refuse(m_set.tree().setStart(node)))
        return;
    m_set.setChanged();
    rebuild(node);
}

void Tgfform::SortClick() {
    CategoryNode* node = selectedNode();
    m_set.tree().sort(localeCaptionLess(uiLanguage().codepage()));
    m_set.setChanged();
    rebuild(node);
}

bool Tgfform::dropOn(QTreeWidgetItem* target) {
    if (target == nullptr)
        return false;
    CategoryNode* dragged = selectedNode();
    CategoryNode* to = nodeOf(target);
    const CategoryRefusal refusal = m_set.tree().move(dragged, to);
    if (refusal != CategoryRefusal::None) {
        QApplication::beep();
        refuse(refusal);
        return false;
    }
    m_set.setChanged();
    m_expanded.insert(to);
    rebuild(dragged);
    return true;
}

void Tgfform::OKClick() {
    if (m_set.changed()) {
        if (showCategoryMessage("M23", BoxButtons::OkCancel) != Answer::Ok)
            return;
        // A set that could not be saved is not adopted: the editor stays open.
        if (m_set.saveNeedsChoice()) {
            if (m_set.tree().categoryCount() == 0) {
                refuse(CategoryRefusal::NothingToSave);
                return;
            }
            const auto file = chooseCategoryFile(true);
            if (!file || !saveTo(*file))
                return;
        } else if (!saveTo(m_set.currentFile())) {
            return;
        }
        if (m_host != nullptr)
            m_host->setModified();
    }
    if (m_host != nullptr) {
        if (!m_set.currentFile().empty())
            m_host->setCategoryFile(m_set.currentFile());
        m_host->categoriesAdopted();
    }
    m_set.setChanged(false);
    accept();
}

void Tgfform::CancelClick() { reject(); }

void Tgfform::HelpClick() { openHelpTopic(4050); }

bool runCategoryEditor(QWidget* parent, ProjectSession& session) {
    // One editor for the run, like every designer dialog; it goes with its parent.
    static QPointer<Tgfform> form;
    if (form.isNull() || form->parentWidget() != parent) {
        delete form.data();
        form = new Tgfform(session.programFolder(), parent);
    }
    // Without a current working copy the items could not be tied again afterwards.
    if (auto st = beforeCategoryEditor(session); !st) {
        showError(st.error());
        return false;
    }
    SessionCategoryHost host(session);
    form->execute(host);
    if (!session.modified())
        return false;
    if (auto st = afterCategoryEditor(session); !st)
        showError(st.error());
    return true;
}

} // namespace vardeo
