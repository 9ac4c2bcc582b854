#pragma once
// The navigation state of the menu: the category level on show, the item
// list, the selected item's details and their layout, the panel switches,
// the thumbnail option and which item buttons are enabled. The window shows
// this state and forwards clicks to it; everything here runs without a window.

#include "runtime/menu/data_set.h"
#include "runtime/menu/menu_language.h"
#include "runtime/menu/runtime_paths.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vistel {

enum class ThumbOption { Always, Never, WhenAvailable };
enum class Panel { Details, ListOnly, Thumbnail };
enum class ItemButton { Execute, Copy, Unpack, Explorer, InfoFiles, Info, Home, LevelUp };
inline constexpr std::size_t kItemButtonCount = 8;

// Rows of the details panel, top to bottom.
enum class Row { Name, Serial, CdSize, HdSize, Desc, Rating, System, Homepage };
inline constexpr std::size_t kRowCount = 8;

struct Place {
    bool visible = false;
    int left = 0;
    int top = 0;
};

struct RowView {
    Place heading;
    Place value;
};

struct CategoryEntry {
    std::string caption;
    int imageIndex = -1; // = section number; the entry's only link to its data
};

struct DetailsView {
    std::string filename, params, desc, serial, sizep, sizeup, system, rank, hpurl;
    std::string homepageHeading;   // [Details] 26, or 27 for a mailto address
    std::filesystem::path rankPicture; // empty when the text is shown instead
    bool rankPictureAnimated = false;
    std::filesystem::path flagPicture; // empty: flag hidden
    std::array<RowView, kRowCount> rows{};
    Place rankPic, rankPicGif, flag;
    std::string detailsHeading, detailsHint, thumbHeading, thumbHint;
};

struct ThumbView {
    bool visible = false;
    bool docked = false;
    std::optional<std::filesystem::path> picture;
    bool whiteBackground = false; // icons are shown on white
};

// What execute and explorer ask the desktop to do.
struct LaunchRequest {
    enum class Kind { None, ExploreFolder, Open } kind = Kind::None;
    std::string target;                   // a native path or an address
    std::vector<std::string> arguments;   // split from the parameter text
    std::filesystem::path workingFolder;  // the item file's folder, empty when it does not exist
};

// Splits a parameter text as a Windows command line would: blanks separate,
// double quotes group (and are removed), "" inside quotes is one quote.
[[nodiscard]] std::vector<std::string> splitParameters(std::string_view text);

// Place constants of the details panel.
inline constexpr int kRowLeft = 280;
inline constexpr int kNameTop = 130;
inline constexpr int kHdSharedLeft = 455;
inline constexpr int kHeadingMaxChars = 38;

class MenuState {
public:
    MenuState(RuntimeFolders folders, MenuLanguage language);

    [[nodiscard]] const RuntimeFolders& folders() const { return m_folders; }
    [[nodiscard]] const MenuLanguage& language() const { return m_lang; }
    [[nodiscard]] const GeneralSettings& general() const { return m_general; }
    // Errors of data files that exist but could not be read (each once).
    [[nodiscard]] std::vector<std::string> takeErrors();

    // Widths of the eight row headings as drawn; values are placed right of them.
    void setHeadingWidths(const std::array<int, kRowCount>& widths) { m_headingWidths = widths; }

    // Start: categories of the top level, then the start category with its item 0.
    void loadCategories();
    void start();
    [[nodiscard]] int startId() const { return m_startId; }
    [[nodiscard]] int categoryCount() const { return m_categoryCount; }

    void fillGenre(int id);
    void loadItems(int sectionPlusOne);
    // (s, n): category index s and its item n; (0, -1): the selected entry.
    void openCategory(int s, int n);
    void selectCategory(int row); // the selection of the category list
    void selectItem(int row);
    void showItem();
    void sortItems();

    // Panel switches and the thumbnail option.
    void toggleDetails();
    void toggleThumbnail();
    void setThumbOption(ThumbOption option);
    void showThumbnail();

    [[nodiscard]] const std::vector<CategoryEntry>& categories() const { return m_categories; }
    [[nodiscard]] int selectedCategory() const { return m_categorySelected; }
    [[nodiscard]] bool largeCategoryIcons() const { return m_categories.size() < 6; }
    [[nodiscard]] int genreIndex() const { return m_genreIndex; }
    [[nodiscard]] int parentId() const { return m_parentId; }
    [[nodiscard]] const std::vector<ItemEntry>& items() const { return m_items; }
    [[nodiscard]] int selectedItem() const { return m_itemSelected; }
    [[nodiscard]] const std::string& itemHeading() const { return m_itemHeading; }
    [[nodiscard]] const DetailsView& details() const { return m_details; }
    [[nodiscard]] const std::filesystem::path& currentFile() const { return m_currentFile; }
    [[nodiscard]] bool enabled(ItemButton b) const { return m_enabled[static_cast<std::size_t>(b)]; }
    [[nodiscard]] Panel panel() const { return m_panel; }
    [[nodiscard]] bool detailMode() const { return m_panel == Panel::Details; }
    [[nodiscard]] ThumbOption thumbOption() const { return m_thumbOption; }
    [[nodiscard]] const ThumbView& thumb() const { return m_thumb; }

    // Item actions decided without a window.
    [[nodiscard]] LaunchRequest executeRequest() const;
    [[nodiscard]] LaunchRequest explorerRequest() const;
    [[nodiscard]] std::optional<std::filesystem::path> infoText() const;
    enum class DoubleClick { None, Unpack, Execute, Copy };
    [[nodiscard]] DoubleClick doubleClickAction() const;
    // The item whose details are shown, if any.
    [[nodiscard]] const ItemEntry* currentItem() const;

private:
    void loadDetails(int n);
    void layoutDetails();
    void hideRows();
    void setEnabled(ItemButton b, bool on) { m_enabled[static_cast<std::size_t>(b)] = on; }
    [[nodiscard]] int currentSection() const;
    [[nodiscard]] int genreIndexOfSelection() const;
    [[nodiscard]] int headingWidth(Row r) const {
        return m_headingWidths[static_cast<std::size_t>(r)];
    }

    RuntimeFolders m_folders;
    MenuLanguage m_lang;
    tarnic::IniFile m_genre;
    GeneralSettings m_general;
    std::vector<std::string> m_errors;
    std::array<int, kRowCount> m_headingWidths{};

    int m_categoryCount = 0;
    int m_startId = 1;
    std::vector<CategoryEntry> m_categories;
    int m_categorySelected = -1;
    int m_genreIndex = 0;
    int m_parentId = 0;
    std::vector<ItemEntry> m_items;
    int m_itemSelected = -1;
    std::string m_itemHeading;
    DetailsView m_details;
    std::filesystem::path m_currentFile;
    std::array<bool, kItemButtonCount> m_enabled{};
    Panel m_panel = Panel::Details;
    ThumbOption m_thumbOption = ThumbOption::WhenAvailable;
    ThumbView m_thumb;
};

} // namespace vistel
