#include "runtime/cover/menu_dialogs.h"

#include "runtime/cover/print_dialog.h"
#include "runtime/menu/copy_dialog.h"
#include "runtime/menu/info_files.h"
#include "runtime/menu/search_form.h"
#include "runtime/menu/vistel_form.h"

#include <memory>

namespace vistel {

namespace {

class MenuDialogs final : public QObject {
public:
    explicit MenuDialogs(Tvistel_form& form) : QObject(&form), m_form(form) {}

    DialogContext& context() {
        if (!m_ready) {
            MenuState* state = m_form.state();
            m_ctx.folders = state->folders();
            m_ctx.language = state->language();
            m_ctx.design = m_form.design();
            m_ctx.playSound = [this](int n) { m_form.playSound(n); };
            m_ready = true;
        }
        return m_ctx;
    }

    void copy(Tvistel_form::CopyMode mode, const std::filesystem::path& source) {
        if (!m_copy)
            m_copy = new Tfcform(context(), &m_form);
        const CopyMode m = mode == Tvistel_form::CopyMode::Copy    ? CopyMode::Copy
                           : mode == Tvistel_form::CopyMode::Unzip ? CopyMode::Unzip
                                                                   : CopyMode::Unrar;
        m_copy->run({m, source});
    }

    void infoFile(bool diz) {
        DialogContext& ctx = context();
        showArchiveInfoFile(&m_form, ctx, m_form.infoViewer(), m_form.scratchFolder(),
                            m_form.state()->currentFile(), diz,
                            ctx.decode(m_form.state()->details().filename));
    }

    void search() {
        if (!m_search) {
            m_search = new Tsearchform(context(), &m_form);
            m_search->setItemIcons(m_form.itemIcons());
            m_search->openResult = [this](int s, int n) { m_form.openSearchResult(s, n); };
        }
        m_search->toggle();
    }

    void cover() {
        DialogContext& ctx = context();
        if (!m_cover)
            m_cover = new Tprintdlgform(ctx, &m_form);
        m_cover->run(ctx.decode(m_form.state()->general().cdTitle));
    }

private:
    Tvistel_form& m_form;
    DialogContext m_ctx;
    bool m_ready = false;
    Tfcform* m_copy = nullptr;
    Tsearchform* m_search = nullptr;
    Tprintdlgform* m_cover = nullptr;
};

} // namespace

void installMenuDialogs(Tvistel_form& form) {
    auto* dialogs = new MenuDialogs(form);
    Tvistel_form::DialogHooks hooks;
    hooks.copy = [dialogs](Tvistel_form::CopyMode mode, const std::filesystem::path& source) {
        dialogs->copy(mode, source);
    };
    hooks.infoFile = [dialogs](bool diz) { dialogs->infoFile(diz); };
    hooks.search = [dialogs] { dialogs->search(); };
    hooks.cover = [dialogs] { dialogs->cover(); };
    form.setDialogHooks(std::move(hooks));
}

} // namespace vistel
