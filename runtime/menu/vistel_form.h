#pragma once
// The menu's main window (Tvistel_form): a borderless 635 x 445 window drawn
// by the design, with the category list, the item list, the details panel,
// the image buttons and the three menus. It shows the core MenuState and
// forwards every click to it.

#include "runtime/menu/design.h"
#include "runtime/menu/menu_state.h"
#include "runtime/menu/scratch_folder.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

class QAction;
class QListWidget;
class QMenu;

namespace vistel {

class ImageButton;
class Label3D;
class SkinCursor;
class SkinFonts;
class SkinSounds;
class TInfoform;
class Tpicpreviewform;

class Tvistel_form final : public QWidget {
    Q_OBJECT
public:
    // root: the CD folder (the folder holding cfg/).
    explicit Tvistel_form(std::filesystem::path root, QWidget* parent = nullptr);
    ~Tvistel_form() override;

    // Runs the start sequence. False when it stopped at a picture that could
    // not be opened (the message was shown; the window keeps what was set up).
    bool startUp(bool withSound = true);

    // Every message of the menu goes through here (tests pre-answer it).
    using MessageHook = std::function<void(const QString& title, const QString& text)>;
    void setMessageHook(MessageHook hook) { m_messageHook = std::move(hook); }
    // Where item actions go: by default the desktop (QProcess / QDesktopServices).
    using LaunchHook = std::function<void(const LaunchRequest&)>;
    void setLaunchHook(LaunchHook hook) { m_launchHook = std::move(hook); }

    [[nodiscard]] MenuState* state() const { return m_state.get(); }
    [[nodiscard]] Tpicpreviewform* thumbnailWindow() const { return m_thumb; }
    [[nodiscard]] TInfoform* infoViewer() const { return m_infoform; }
    [[nodiscard]] ScratchFolder& scratchFolder() { return m_scratch; }
    [[nodiscard]] QMenu* optionsMenu() const { return m_options; }

    // The copy/unpack, archive info file, search and cover print dialogs live
    // in their own libraries; the program plugs them in here.
    enum class CopyMode { Copy, Unzip, Unrar };
    struct DialogHooks {
        std::function<void(CopyMode, const std::filesystem::path& source)> copy;
        std::function<void(bool diz)> infoFile;
        std::function<void()> search;
        std::function<void()> cover;
    };
    void setDialogHooks(DialogHooks hooks);
    [[nodiscard]] const Design& design() const { return m_design; }
    [[nodiscard]] const std::vector<QPixmap>& itemIcons() const { return m_itemIcons; }
    void playSound(int n);
    // A search result: its category's level, its items, the hit selected.
    void openSearchResult(int category, int item);

public Q_SLOTS:
    void ausfClick();
    void copybtnClick();
    void zipClick();
    void browsebtnClick();
    void nfoClick();
    void infoClick();
    void aboutClick();
    void endeClick();
    void minbtnClick();
    void home_btnClick();
    void lup_btnClick();
    void search_btnClick();
    void hidedetbtnClick();
    void docthumbtnClick();
    void genreClick();
    void membersClick();
    void membersDblClick();
    void hpurlClick();
    void descClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void buildMenus();
    bool applyLanguage();
    void applyMenuTexts();
    bool applyDesign();
    bool loadButtonPictures();
    bool loadCategoryIcons();
    void applyCursors();
    void runSplashThenSounds(bool withSound);
    void startSounds(bool withSound);

    // Shows the core state in the widgets.
    void refresh();
    void refreshLists();
    void refreshDetails();
    void refreshButtons();
    void refreshThumbnail();
    void refreshPanel();

    void clickSound();
    void message(const QString& text);
    void reportMissing(const tarnic::Error& error);
    std::optional<QPixmap> skinPicture(const char* name, bool required = true);
    void launch(const LaunchRequest& request);
    void showInfo();
    void infoFileEntry(bool diz);
    void startDrag();
    void openCategoryFromList();
    [[nodiscard]] QString text(const std::string& bytes) const;
    [[nodiscard]] QString lang(const char* section, const char* key) const;
    void setButtonEnabled(ImageButton* button, bool on);

    std::filesystem::path m_root;
    RuntimeFolders m_folders;
    Design m_design;
    std::unique_ptr<MenuState> m_state;
    std::unique_ptr<SkinFonts> m_fonts;
    SkinSounds* m_sounds = nullptr;
    SkinCursor* m_cursors[3] = {nullptr, nullptr, nullptr};
    ScratchFolder m_scratch;
    MessageHook m_messageHook;
    DialogHooks m_dialogHooks;
    LaunchHook m_launchHook;
    bool m_started = false;

    QPixmap m_background, m_backgroundFull;
    std::map<QString, std::array<QPixmap, 4>> m_buttonPictures;
    QPixmap m_btnRight, m_btnLeft, m_btnDown, m_btnUp;
    std::vector<QPixmap> m_categoryIcons;
    std::vector<QPixmap> m_itemIcons;
    std::set<std::filesystem::path> m_reportedMissing;

    QListWidget* m_genre = nullptr;
    QListWidget* m_members = nullptr;
    Label3D *m_catHeading = nullptr, *m_itemHeadingLabel = nullptr, *m_detailsHeading = nullptr,
            *m_thumbHeading = nullptr, *m_title = nullptr;
    std::array<Label3D*, kRowCount> m_rowHeadings{};
    std::array<Label3D*, kRowCount> m_rowValues{};
    QWidget *m_rankpic = nullptr, *m_rankpicgif = nullptr, *m_langpic = nullptr,
            *m_params = nullptr;
    std::map<QString, ImageButton*> m_buttons;
    ImageButton *m_hidedet = nullptr, *m_docthumb = nullptr;

    QMenu* m_popup = nullptr;   // PopupMenu1
    QMenu* m_options = nullptr; // AHMPopupMenu2
    QMenu* m_infoMenu = nullptr; // AHMPopupMenu1
    QMenu* m_serialMenu = nullptr; // AHMPopupMenu3
    QAction *m_actAlways = nullptr, *m_actNever = nullptr, *m_actWhenAvailable = nullptr,
            *m_actSounds = nullptr, *m_actMusic = nullptr, *m_actCover = nullptr,
            *m_actAbout = nullptr, *m_actLink = nullptr;
    std::map<ItemButton, QAction*> m_popupActions;
    QAction* m_actSort = nullptr;

    TInfoform* m_infoform = nullptr;
    Tpicpreviewform* m_thumb = nullptr;

    QPoint m_dragOffset;
    bool m_dragging = false;
    QPoint m_itemPress;
    bool m_itemPressed = false;
};

} // namespace vistel
