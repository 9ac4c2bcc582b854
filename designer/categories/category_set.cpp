#include "category_set.h"

#include "designer/project/category_list.h"
#include "shared/file_io.h"
#include "shared/ini_file.h"
#include "shared/paths.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace vardeo {

namespace fs = std::filesystem;

fs::path categoryIconFolder(const fs::path& cmgFile) { return tarnic::imageFolderOf(cmgFile); }

CategorySet::CategorySet(fs::path programFolder) : m_programFolder(std::move(programFolder)) {
    m_images.push_back(vistelIcon());
}

fs::path CategorySet::vistelIcon() const {
    return tarnic::findCaseInsensitive(m_programFolder, "Files/vistel.ico")
        .value_or(m_programFolder / "Files" / "vistel.ico");
}

int CategorySet::appendImage(fs::path file) {
    m_images.push_back(std::move(file));
    return static_cast<int>(m_images.size() - 1);
}

fs::path CategorySet::standardSet() const {
    return tarnic::findCaseInsensitive(m_programFolder, "Files/Standard.cmg")
        .value_or(m_programFolder / "Files" / "Standard.cmg");
}

bool CategorySet::isStandardSet(const fs::path& file) const {
    if (file.empty())
        return false;
    const fs::path standard = standardSet();
    std::error_code ec;
    if (fs::exists(file, ec) && fs::exists(standard, ec))
        return fs::equivalent(file, standard, ec);
    return fs::weakly_canonical(file, ec) == fs::weakly_canonical(standard, ec);
}

bool CategorySet::saveNeedsChoice() const {
    return m_current.empty() || isStandardSet(m_current);
}

void CategorySet::newSet(std::string rootCaption) {
    m_tree.clear(std::move(rootCaption));
    m_images.assign(1, vistelIcon());
    m_current.clear();
    m_changed = true;
}

namespace {

struct FileEntry {
    std::int32_t id = 0;
    std::int32_t parent = 0;
    std::string caption;
};

// An icon that exists but cannot be opened: the load stops on it.
std::optional<tarnic::Error> unreadable(const fs::path& icon) {
    std::error_code ec;
    if (!fs::exists(icon, ec))
        return std::nullopt;
    std::ifstream in(icon, std::ios::binary);
    if (!in || fs::is_directory(icon, ec))
        return tarnic::Error{icon, "the icon file cannot be read"};
    return std::nullopt;
}

} // namespace

tarnic::Status CategorySet::load(const fs::path& file, std::string rootCaption) {
    CategoryTree tree(std::move(rootCaption));
    std::vector<fs::path> images{vistelIcon()};
    std::error_code ec;
    const bool exists = fs::exists(file, ec);
    if (exists) {
        auto ini = tarnic::IniFile::load(file);
        if (!ini)
            return ini.error();
        const fs::path folder = categoryIconFolder(file);
        const std::int32_t count = ini->readInt("general", "anz_items", 0);
        const std::int32_t start = ini->readInt("general", "start", 1);
        const auto n = std::min<std::size_t>(count < 0 ? 0u : static_cast<std::size_t>(count),
                                             kMaxCategories);
        for (std::size_t k = 1; k <= n; ++k) {
            fs::path icon = folder / (std::to_string(k) + ".ico");
            if (auto bad = unreadable(icon))
                return *bad;
            images.push_back(std::move(icon));
        }
        std::vector<FileEntry> entries(n);
        for (std::size_t k = 0; k < n; ++k) {
            const std::string section = std::to_string(k);
            entries[k].id = ini->readInt(section, "id", 0);
            entries[k].caption = ini->readString(section, "caption", "");
            entries[k].parent = ini->readInt(section, "parent", 0);
        }
        // The structure comes from parent alone: the node at that pre-order
        // position of the tree built so far. A file the designer wrote lists
        // every parent first; anything else lands under the root.
        std::size_t built = 1;
        for (const FileEntry& e : entries) {
            CategoryNode* parent = nullptr;
            if (e.parent >= 0 && static_cast<std::size_t>(e.parent) < built)
                parent = tree.nodeAt(static_cast<std::size_t>(e.parent));
            if (parent == nullptr)
                parent = &tree.root();
            std::string caption = e.caption;
            if (e.id == start)
                caption += kStartMarker;
            const int image = e.id >= 1 && static_cast<std::size_t>(e.id) <= n ? static_cast<int>(e.id) : -1;
            auto node = std::make_unique<CategoryNode>();
            node->caption = std::move(caption);
            node->image = image;
            node->data.iconSource = (folder / (std::to_string(e.id) + ".ico")).string();
            node->parent = parent;
            parent->children.push_back(std::move(node));
            ++built;
        }
    }
    m_tree = std::move(tree);
    m_images = std::move(images);
    m_current = exists ? file : fs::path();
    m_changed = false;
    return {};
}

CategorySaveOutcome CategorySet::save(const fs::path& file) {
    CategorySaveOutcome out;
    const std::vector<FlatCategory> flat = m_tree.flatten();
    if (flat.size() <= 1) {
        out.refusal = CategoryRefusal::NothingToSave;
        return out;
    }
    const fs::path folder = categoryIconFolder(file);
    std::error_code ec;
    if (!fs::exists(file, ec))
        fs::create_directory(folder, ec); // one level only: the category file's folder must exist

    auto loaded = tarnic::IniFile::load(file);
    if (!loaded) {
        out.error = loaded.error();
        return out;
    }
    tarnic::IniFile& ini = *loaded;
    const std::size_t count = flat.size();
    ini.writeInt("general", "anz_items", static_cast<std::int64_t>(count - 1));
    std::size_t start = 1;
    for (std::size_t p = 1; p < count; ++p)
        if (flat[p].caption.ends_with(kStartMarker))
            start = p;
    ini.writeInt("general", "start", static_cast<std::int64_t>(start));
    for (std::size_t p = 1; p < count; ++p) {
        const FlatCategory& f = flat[p];
        const std::string section = std::to_string(p - 1);
        ini.writeInt(section, "id", static_cast<std::int64_t>(p));
        ini.writeInt(section, "level", f.level);
        ini.writeString(section, "caption", f.node->plainCaption());
        ini.writeString(section, "haschild", f.hasChild ? "1" : "0");
        ini.writeInt(section, "parent", static_cast<std::int64_t>(f.parentPosition));
    }

    // Pass one reads every source before pass two replaces any icon, so an
    // icon that is also another category's source is never overwritten first.
    auto tmpOf = [&](std::size_t p) { return folder / (std::to_string(p) + ".tmp"); };
    auto icoOf = [&](std::size_t p) { return folder / (std::to_string(p) + ".ico"); };
    std::vector<bool> copied(count, false);
    for (std::size_t p = 1; p < count; ++p)
        copied[p] = !flat[p].iconSource.empty() &&
                    tarnic::copyFileOverwrite(flat[p].iconSource, tmpOf(p)).ok();

    if (auto st = ini.save(file); !st) {
        for (std::size_t p = 1; p < count; ++p)
            fs::remove(tmpOf(p), ec);
        out.error = st.error();
        return out;
    }

    for (std::size_t p = 1; p < count; ++p) {
        auto* node = const_cast<CategoryNode*>(flat[p].node); // NOLINT: the tree owns every node
        const fs::path ico = icoOf(p);
        if (!copied[p]) {
            // An icon left from the earlier numbering belongs to another
            // category now; no icon is better than a wrong one.
            if (fs::exists(folder, ec))
                fs::remove(ico, ec);
            continue;
        }
        fs::rename(tmpOf(p), ico, ec);
        if (ec) {
            (void)tarnic::copyFileOverwrite(tmpOf(p), ico);
            fs::remove(tmpOf(p), ec);
        }
        tarnic::makeWritable(ico);
        // The icon now lives under its new number: the next save reads it there.
        if (tarnic::fileExists(ico))
            node->data.iconSource = ico.string();
    }
    m_current = file;
    m_changed = false;
    return out;
}

} // namespace vardeo
