#include "runtime/menu/menu_state.h"

#include "shared/text.h"

#include <algorithm>

namespace vistel {

namespace fs = std::filesystem;
using tarnic::isEmptyValue;

std::vector<std::string> splitParameters(std::string_view text) {
    std::vector<std::string> out;
    std::string cur;
    bool inQuotes = false;
    bool have = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (inQuotes && i + 1 < text.size() && text[i + 1] == '"') {
                cur.push_back('"');
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
            have = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (have)
                out.push_back(std::move(cur));
            cur.clear();
            have = false;
        } else {
            cur.push_back(c);
            have = true;
        }
    }
    if (have)
        out.push_back(std::move(cur));
    return out;
}

namespace {

// Headings longer than the panel shows are cut and carry the full text as hint.
void cutHeading(const std::string& full, std::string& shown, std::string& hint) {
    if (full.size() > static_cast<std::size_t>(kHeadingMaxChars)) {
        shown = full.substr(0, static_cast<std::size_t>(kHeadingMaxChars)) + " ...";
        hint = full;
    } else {
        shown = full;
        hint.clear();
    }
}

// "085 %" shows as "85 %", "005 %" as "5 %".
std::string stripRankZeros(std::string rank) {
    for (int i = 0; i < 2 && !rank.empty() && rank.front() == '0'; ++i)
        rank.erase(0, 1);
    return rank;
}

bool startsWithAny(std::string_view s, std::initializer_list<std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view p) { return tarnic::istartsWith(s, p); });
}

} // namespace

MenuState::MenuState(RuntimeFolders folders, MenuLanguage language)
    : m_folders(std::move(folders)), m_lang(std::move(language)) {
    m_headingWidths.fill(60);
    m_general = readGeneral(loadIniOrEmpty(m_folders.itemListFile(), &m_errors));
}

std::vector<std::string> MenuState::takeErrors() {
    std::vector<std::string> out;
    out.swap(m_errors);
    return out;
}

void MenuState::loadCategories() {
    m_genre = loadIniOrEmpty(m_folders.categoryFile(), &m_errors);
    m_categoryCount = vistel::categoryCount(m_genre);
    m_startId = readStartId(m_genre);
    fillGenre(0);
}

void MenuState::start() { openCategory(m_startId - 1, 0); }

void MenuState::fillGenre(int id) {
    const CategorySection c = readCategory(m_genre, id - 1);
    const bool nav = c.level < 2 ? c.hasChild : true;
    setEnabled(ItemButton::Home, nav);
    setEnabled(ItemButton::LevelUp, nav);
    if (!c.hasChild && id != 0)
        return;
    m_parentId = c.parent;
    m_categories.clear();
    const auto add = [&](int k) {
        const CategorySection e = readCategory(m_genre, k);
        m_categories.push_back({e.caption, e.id - 1});
    };
    if (id != 0)
        for (int k = 0; k < m_categoryCount; ++k)
            if (m_genre.readInt(std::to_string(k), "id", 0) == id)
                add(k);
    for (int k = 0; k < m_categoryCount; ++k)
        if (m_genre.readInt(std::to_string(k), "parent", 0) == id)
            add(k);
    m_categorySelected = m_categories.empty() ? -1 : 0;
}

void MenuState::loadItems(int sectionPlusOne) {
    const tarnic::IniFile members = loadIniOrEmpty(m_folders.itemListFile(), &m_errors);
    m_items = readItems(members, sectionPlusOne - 1);
    m_itemSelected = -1;
}

int MenuState::genreIndexOfSelection() const {
    const int n = static_cast<int>(m_categories.size());
    return (m_categorySelected >= 0 && m_categorySelected < n) ? m_categorySelected : 0;
}

int MenuState::currentSection() const {
    if (m_genreIndex < 0 || m_genreIndex >= static_cast<int>(m_categories.size()))
        return -1;
    return m_categories[static_cast<std::size_t>(m_genreIndex)].imageIndex;
}

void MenuState::selectCategory(int row) {
    m_categorySelected = (row >= 0 && row < static_cast<int>(m_categories.size())) ? row : -1;
}

void MenuState::selectItem(int row) {
    m_itemSelected = (row >= 0 && row < static_cast<int>(m_items.size())) ? row : -1;
}

const ItemEntry* MenuState::currentItem() const {
    if (m_itemSelected < 0 || m_itemSelected >= static_cast<int>(m_items.size()))
        return nullptr;
    return &m_items[static_cast<std::size_t>(m_itemSelected)];
}

void MenuState::hideRows() {
    for (auto& r : m_details.rows)
        r = RowView{};
    m_details.rankPic.visible = m_details.rankPicGif.visible = m_details.flag.visible = false;
}

void MenuState::openCategory(int s, int n) {
    m_currentFile.clear();
    showThumbnail();
    const std::string placeholder = m_lang.text("Other", "17");
    DetailsView& d = m_details;
    d.filename = d.serial = d.sizep = d.sizeup = d.desc = d.rank = d.system = d.hpurl = placeholder;
    hideRows();
    m_itemHeading = m_lang.text("Heading", "2");
    cutHeading(m_lang.text("Heading", "3"), d.detailsHeading, d.detailsHint);
    const std::string joint = " " + m_lang.text("Other", "18") + " ";

    if (s != 0 || n != -1) {
        const CategorySection c = readCategory(m_genre, s);
        fillGenre(c.hasChild ? s + 1 : c.parent);
        m_itemHeading += joint + c.caption;
        m_genreIndex = 0;
        for (std::size_t i = m_categories.size(); i-- > 0;)
            if (m_categories[i].caption == c.caption) {
                m_genreIndex = static_cast<int>(i);
                break;
            }
        // Keep the list's selection on the category shown, so a key press in
        // the list reopens it rather than the level's first entry.
        if (!m_categories.empty())
            m_categorySelected = m_genreIndex;
        loadItems(s + 1);
    } else if (!m_categories.empty()) {
        m_genreIndex = genreIndexOfSelection();
        const CategoryEntry entry = m_categories[static_cast<std::size_t>(m_genreIndex)];
        m_itemHeading += joint + entry.caption;
        fillGenre(entry.imageIndex + 1);
        m_genreIndex = genreIndexOfSelection();
        loadItems(m_categories[static_cast<std::size_t>(m_genreIndex)].imageIndex + 1);
    } else {
        m_genreIndex = 0;
        m_items.clear();
        m_itemSelected = -1;
    }

    if (n >= 1 && n < static_cast<int>(m_items.size())) {
        m_itemSelected = n;
        showItem();
    } else if (m_items.empty()) {
        for (auto b : {ItemButton::Execute, ItemButton::Copy, ItemButton::Unpack,
                       ItemButton::Explorer, ItemButton::InfoFiles, ItemButton::Info})
            setEnabled(b, false);
    } else {
        m_itemSelected = 0;
        showItem();
    }
}

void MenuState::showItem() {
    if (!enabled(ItemButton::Explorer) && !m_items.empty())
        setEnabled(ItemButton::Explorer, true);
    const ItemEntry* item = currentItem();
    if (!item)
        return;
    DetailsView& d = m_details;
    cutHeading(m_lang.text("Heading", "3") + " " + m_lang.text("Other", "19") + " " + item->caption,
               d.detailsHeading, d.detailsHint);
    cutHeading(item->caption + " " + m_lang.text("Heading", "3_2"), d.thumbHeading, d.thumbHint);
    loadDetails(item->number);
    m_currentFile = currentItemFile(d.filename);
    const std::string ext = tarnic::asciiUpper(m_currentFile.extension().string());
    setEnabled(ItemButton::Unpack, ext == ".ZIP" || ext == ".RAR");
    setEnabled(ItemButton::InfoFiles, ext == ".ZIP");
    setEnabled(ItemButton::Info, hasInfoText(m_currentFile, m_folders.info, item->caption));
    showThumbnail();
}

void MenuState::loadDetails(int n) {
    const int s = currentSection();
    const tarnic::IniFile file = loadIniOrEmpty(m_folders.detailsFile(s, n), &m_errors);
    const ItemDetails v = readDetails(file, s, n);
    DetailsView& d = m_details;
    d.filename = resolveItemPath(m_folders.runtime, v.pfad);
    d.params = v.params;
    setEnabled(ItemButton::Copy, v.copy);
    setEnabled(ItemButton::Execute, v.execute);
    d.desc = v.desc;
    d.serial = v.serial;
    d.sizep = v.sizep;
    d.sizeup = v.sizeup;
    d.system = v.system;

    d.rankPicture.clear();
    d.rankPictureAnimated = false;
    if (v.rankMissing) {
        d.rank = "n/a";
    } else {
        d.rank = stripRankZeros(v.rank);
        const fs::path pic = locate(m_folders.data, "rating" + v.rankPic);
        std::error_code ec;
        if (v.rankPic.find_first_of("/\\") == std::string::npos && fs::is_regular_file(pic, ec)) {
            d.rankPicture = pic;
            d.rankPictureAnimated = tarnic::asciiLower(pic.extension().string()) == ".gif";
        }
    }
    d.flagPicture.clear();
    if (v.language != 0)
        d.flagPicture = locate(m_folders.data, "flag" + std::to_string(v.language) + ".bmp");

    if (startsWithAny(v.url, {"www", "http", "mailto", "ftp"})) {
        d.hpurl = v.url;
        d.homepageHeading =
            m_lang.text("Details", tarnic::istartsWith(v.url, "mailto") ? "27" : "26");
    } else {
        d.hpurl = "n/a";
        d.homepageHeading = m_lang.text("Details", "26");
    }
    if (detailMode())
        layoutDetails();
}

void MenuState::layoutDetails() {
    DetailsView& d = m_details;
    hideRows();
    auto& rows = d.rows;
    const auto row = [&](Row r) -> RowView& { return rows[static_cast<std::size_t>(r)]; };
    const auto right = [&](Row r, int gap) { return kRowLeft + headingWidth(r) + gap; };

    const int T = kNameTop;
    row(Row::Name) = {{true, kRowLeft, T}, {true, kRowLeft, T + 20}};
    int y = T + 40;

    const bool serial = !isEmptyValue(d.serial);
    if (serial) {
        row(Row::Serial) = {{true, kRowLeft, y}, {true, right(Row::Serial, 30), y}};
        y += 25;
    }
    const bool cd = !isEmptyValue(d.sizep);
    if (cd) {
        row(Row::CdSize) = {{true, kRowLeft, y}, {true, right(Row::CdSize, 20), y}};
        y += 25;
    }
    if (!isEmptyValue(d.sizeup)) {
        if (cd) {
            y -= 25;
            row(Row::HdSize) = {{true, kHdSharedLeft, y},
                                {true, kHdSharedLeft + headingWidth(Row::HdSize) + 20, y}};
        } else {
            row(Row::HdSize) = {{true, kRowLeft, y}, {true, right(Row::CdSize, 20), y}};
        }
        y += 25;
    }
    if (!isEmptyValue(d.desc)) {
        row(Row::Desc) = {{true, kRowLeft, y}, {true, kRowLeft, y + 20}};
        y += 70;
    }
    if (!isEmptyValue(d.rank)) {
        const int left = right(Row::Rating, 20);
        const bool pic = !d.rankPicture.empty();
        row(Row::Rating) = {{true, kRowLeft, y}, {!pic, left, y}};
        d.rankPic = {pic && !d.rankPictureAnimated, left, y};
        d.rankPicGif = {pic && d.rankPictureAnimated, left, y};
        y += 25;
    }
    if (!isEmptyValue(d.system)) {
        row(Row::System) = {{true, kRowLeft, y}, {true, right(Row::System, 20), y}};
        y += 25;
    }
    if (!isEmptyValue(d.hpurl))
        row(Row::Homepage) = {{true, kRowLeft, y}, {true, kRowLeft, y + 20}};
    d.flag = {!d.flagPicture.empty(), kRowLeft + 310, T};
}

void MenuState::sortItems() {
    const ItemEntry* cur = currentItem();
    const int number = cur ? cur->number : -1;
    std::stable_sort(m_items.begin(), m_items.end(), [](const ItemEntry& a, const ItemEntry& b) {
        return tarnic::icompare(a.caption, b.caption) < 0;
    });
    m_itemSelected = -1;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].number == number)
            m_itemSelected = static_cast<int>(i);
}

void MenuState::toggleDetails() {
    if (m_panel != Panel::ListOnly) {
        if (m_panel == Panel::Thumbnail)
            toggleThumbnail();
        m_panel = Panel::ListOnly;
        hideRows();
    } else {
        m_panel = Panel::Details;
        showItem();
    }
}

void MenuState::toggleThumbnail() {
    if (m_panel != Panel::Thumbnail) {
        if (m_panel == Panel::ListOnly)
            toggleDetails();
        m_thumbOption = ThumbOption::Always;
        m_panel = Panel::Thumbnail;
        hideRows();
        m_thumb.docked = true;
        showThumbnail();
        m_thumb.visible = true;
    } else {
        m_panel = Panel::Details;
        showItem();
        m_thumb.docked = false;
        m_thumb.visible = true;
    }
}

void MenuState::setThumbOption(ThumbOption option) {
    if (option != ThumbOption::Always) {
        if (m_panel == Panel::Thumbnail)
            toggleThumbnail();
        m_thumb.visible = false;
    }
    m_thumbOption = option;
}

void MenuState::showThumbnail() {
    if (m_thumbOption == ThumbOption::Never)
        return;
    m_thumb.whiteBackground = false;
    if (m_thumbOption == ThumbOption::Always)
        m_thumb.visible = true;
    const ItemEntry* item = currentItem();
    const std::string caption = item ? item->caption : std::string();
    if (!m_currentFile.empty() && isPictureFile(m_currentFile)) {
        m_thumb.visible = true;
        m_thumb.picture = m_currentFile;
        m_thumb.whiteBackground = tarnic::asciiUpper(m_currentFile.extension().string()) == ".ICO";
        return;
    }
    m_thumb.picture = item ? findScreenshot(m_currentFile, m_folders.info, caption) : std::nullopt;
    if (m_thumb.picture)
        m_thumb.visible = true;
    else if (m_thumbOption == ThumbOption::WhenAvailable)
        m_thumb.visible = false;
}

LaunchRequest MenuState::executeRequest() const {
    LaunchRequest r;
    if (!currentItem())
        return r;
    const std::string& f = m_details.filename;
    r.target = f;
    if (!f.empty() && f.back() == '/') {
        r.kind = LaunchRequest::Kind::ExploreFolder;
        return r;
    }
    r.kind = LaunchRequest::Kind::Open;
    if (!isEmptyValue(m_details.params) && m_details.params != "#")
        r.arguments = splitParameters(m_details.params);
    if (!m_currentFile.empty())
        r.workingFolder = m_currentFile.parent_path();
    return r;
}

LaunchRequest MenuState::explorerRequest() const {
    LaunchRequest r;
    if (!currentItem())
        return r;
    const std::string& f = m_details.filename;
    if (isLinkPath(f)) {
        r.kind = LaunchRequest::Kind::Open;
        r.target = f;
    } else if (!f.empty() && f.back() == '/') {
        r.kind = LaunchRequest::Kind::ExploreFolder;
        r.target = f;
    } else if (!m_currentFile.empty()) {
        r.kind = LaunchRequest::Kind::ExploreFolder;
        r.target = m_currentFile.parent_path().string();
    }
    return r;
}

std::optional<fs::path> MenuState::infoText() const {
    const ItemEntry* item = currentItem();
    if (!item)
        return std::nullopt;
    return findInfoText(m_currentFile, m_folders.info, item->caption);
}

MenuState::DoubleClick MenuState::doubleClickAction() const {
    if (enabled(ItemButton::Unpack))
        return DoubleClick::Unpack;
    if (enabled(ItemButton::Execute))
        return DoubleClick::Execute;
    if (enabled(ItemButton::Copy))
        return DoubleClick::Copy;
    return DoubleClick::None;
}

} // namespace vistel
