#include "main_window.h"

#include "designer/language/desktop_services.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/language/wait_window.h"
#include "designer/mainwindow/cd_size_bar.h"
#include "designer/mainwindow/cell_editors.h"
#include "designer/mainwindow/item_grid_view.h"
#include "designer/mainwindow/item_model.h"
#include "designer/mainwindow/main_actions.h"
#include "shared/file_io.h"
#if VARDEO_HAVE_CATEGORY_EDITOR
#include "designer/categories/category_editor.h"
#include "designer/categories/category_round_trip.h"
#endif
#include "shared/paths.h"
#include "shared/text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

namespace vardeo {

Tform1::Tform1(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("form1"));
    uiLanguage().setProgramFolder(m_programFolder);
    messages().setParent(this);
    m_prompts = std::make_unique<WindowPrompts>(this);
    m_session = std::make_unique<ProjectSession>(m_programFolder, *m_prompts);
    ensureOneRow(m_session->items());
    setWindowTitle(QStringLiteral("Tarnic - Vardeo - Please load/create a project"));
    buildWindow();
    connectActions();
    // Window size and state are applied at creation, the rest at first show.
    if (auto s = loadSettings(m_programFolder / std::string(kSettingsFileName)); s.ok())
        m_settings = *s;
    resize(m_settings.width, m_settings.height);
    if (m_settings.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    updateCommandStates();
}

// The grid and its model refer to the session's items: they go before the session.
Tform1::~Tform1() {
    delete centralWidget();
    delete m_model;
}

void Tform1::buildWindow() {
    m_actions = new MainActions(*this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    auto* chosenBar = new QWidget(central);
    chosenBar->setObjectName(QStringLiteral("chosenitembar"));
    chosenBar->setFixedHeight(22);
    auto* chosenLayout = new QHBoxLayout(chosenBar);
    chosenLayout->setContentsMargins(4, 0, 4, 0);
    m_chosenCaption = new QLabel(QStringLiteral("Chosen Item:"), chosenBar);
    m_chosenCaption->setObjectName(QStringLiteral("chosencaption"));
    QFont bold = m_chosenCaption->font();
    bold.setBold(true);
    m_chosenCaption->setFont(bold);
    m_chosenName = new QLabel(chosenBar);
    m_chosenName->setObjectName(QStringLiteral("chosenname"));
    m_infoIndicator = new QLabel(chosenBar);
    m_infoIndicator->setObjectName(QStringLiteral("info_indicator"));
    m_screenshotIndicator = new QLabel(chosenBar);
    m_screenshotIndicator->setObjectName(QStringLiteral("screenshot_indicator"));
    chosenLayout->addWidget(m_chosenCaption);
    chosenLayout->addWidget(m_chosenName, 1);
    m_infoCaption = new QLabel(QStringLiteral("Info:"), chosenBar);
    m_screenshotCaption = new QLabel(QStringLiteral("Screenshot:"), chosenBar);
    chosenLayout->addWidget(m_infoCaption);
    chosenLayout->addWidget(m_infoIndicator);
    chosenLayout->addWidget(m_screenshotCaption);
    chosenLayout->addWidget(m_screenshotIndicator);
    layout->addWidget(chosenBar);

    m_model = new ItemTableModel(m_session->items(), m_session->words(), this);
    m_grid = new ItemGridView(central);
    m_grid->setModel(m_model);
    m_grid->horizontalHeader()->setSectionsMovable(false);
    layout->addWidget(m_grid, 1);

    m_cdSize = new CdSizeBar(central);
    m_cdSize->setVisible(false);
    layout->addWidget(m_cdSize);
    setCentralWidget(central);

    m_editForm = new Tallfileseditform(this);
    m_ynForm = new Tallfilesynform(this);
    m_slideForm = new Tallfilesslideform(this);
    m_comboForm = new Tallfilescomboform(this);
    m_colourForm = new Tcolor_chooseform(this);
    m_findForm = new Tfinddlg(this);
#if VARDEO_HAVE_CATEGORY_EDITOR
    m_categoryForm = new Tgfform(m_programFolder, this);
#endif
    m_actions->arrangeToolbars(m_settings.bandToolbar, m_settings.bandBreak, m_settings.bandWidth);
    m_actions->setButtonLayout(true, false);
}

void Tform1::connectActions() {
    MainActions& a = *m_actions;
    const auto on = [this](QAction* action, auto&& fn) {
        connect(action, &QAction::triggered, this, [fn = std::forward<decltype(fn)>(fn)](bool checked) {
            playClick();
            fn(checked);
        });
    };
    on(a["zGradBtn1"], [this](bool) { openClick(); });
    on(a["save"], [this](bool) { saveClick(); });
    on(a["saveas"], [this](bool) { saveAsClick(); });
    on(a["Beenden"], [this](bool) { close(); });
    on(a["exit"], [this](bool) { close(); });
    on(a["deletef"], [this](bool) { removeClick(); });
    on(a["popup_remove"], [this](bool) { removeClick(); });
    on(a["sort"], [this](bool) { sortClick(); });
    on(a["Find"], [this](bool) { findClick(); });
    on(a["findnext"], [this](bool) { findNextClick(); });
    on(a["popup_launch"], [this](bool) { launchClick(); });
    on(a["popup_explorer"], [this](bool) { explorerClick(); });
    on(a["popup_help"], [](bool) { openHelpTopic(1600); });
    on(a["help"], [](bool) { openHelpTopic(0); });
    on(a["helpmenu"], [](bool) { openHelpTopic(0); });
    on(a["tarnichome"], [](bool) { openWithDesktop(QUrl(QStringLiteral("https://www.tarnic.example/"))); });
    on(a["info"], [this](bool) {
        messages().showText(QStringLiteral("Tarnic - Vardeo 6.5\nCD menu designer"), BoxKind::Information,
                            BoxButtons::Ok);
    });
    on(a["generate"], [this](bool) { buildClick(m_actions->get(QStringLiteral("htmlstyle"))->isChecked()); });
    on(a["classicstyle"], [this](bool) { buildClick(false); });
    on(a["htmlstyle"], [this](bool) { buildClick(true); });
    on(a["cleanup"], [this](bool) { cleanUpClick(); });
    on(a["geditbtnmain"], [this](bool) { categoriesClick(); });
    on(a["restoregrid"], [this](bool) { restoreGridSettings(); });
    on(a["autogridsize"], [this](bool) { autoGridSize(); });
    on(a["showallcolumns"], [this](bool) { showAllColumns(); });
    on(a["color1"], [this](bool) { chooseColour(1); });
    on(a["color2"], [this](bool) { chooseColour(2); });
    on(a["gridmode_none"], [this](bool) { setGridMode(GridMode::None); });
    on(a["gridmode_move"], [this](bool) { setGridMode(GridMode::ColumnMove); });
    on(a["gridmode_sort"], [this](bool) { setGridMode(GridMode::QuickSort); });
    on(a["aot"], [this](bool checked) { setStayOnTop(checked); });
    on(a["cdsizestatus"], [this](bool checked) {
        m_cdSize->setVisible(checked);
        if (checked && m_session->isOpen())
            m_cdSize->compute(uiLanguage().decode(m_session->header().projectFolder).toStdString());
    });
    on(a["symboltitel"], [this](bool checked) {
        m_actions->menuNamed(QStringLiteral("symbolgroesse"))->setEnabled(!checked);
        m_actions->setButtonLayout(checked, m_actions->get(QStringLiteral("klein"))->isChecked());
    });
    for (const char* name : {"klein", "gross"})
        on(a[name], [this](bool) {
            const bool small = m_actions->get(QStringLiteral("klein"))->isChecked();
            m_actions->loadPictures(pathToQString(m_programFolder / "Files" / "Images" / "0") + QLatin1Char('/'),
                                    small);
            m_actions->setButtonLayout(m_actions->get(QStringLiteral("symboltitel"))->isChecked(), small);
        });
    for (int n = 1; n <= kToolbarCount; ++n) {
        QAction* visible = a.get(QStringLiteral("tb%1_visible").arg(n));
        QToolBar* bar = a.toolbar(n);
        connect(visible, &QAction::toggled, bar, &QToolBar::setVisible);
    }
    for (qsizetype i = 0; i < a.columnActions().size(); ++i)
        on(a.columnActions()[i], [this, i](bool checked) { setColumnShown(static_cast<Field>(i), checked); });
    for (qsizetype i = 0; i < a.popupEditActions().size(); ++i)
        on(a.popupEditActions()[i], [this, i](bool) {
            const QModelIndex current = m_grid->currentIndex();
            editField(current.isValid() ? current.row() : 0, static_cast<Field>(i));
        });
    for (qsizetype i = 0; i < a.languageActions().size(); ++i)
        connect(a.languageActions()[i], &QAction::triggered, this, [this, i] {
            playClick();
            applyLanguage(static_cast<int>(i) + 1, true);
        });
    for (const char* name : {"new", "wizard", "editp", "check", "record", "export_ascii", "export_csv",
                             "export_word", "export_excel", "export_html", "add", "adddir", "addjump",
                             "addurl", "info_file_btn", "screenshot_btn", "popup_info", "popup_screenshot",
                             "mdbtnmain", "membericons", "ranking", "aboutdialog"})
        on(a[name], [this](bool) { notYetAvailable(); });

    connect(m_model, &ItemTableModel::modified, this, &Tform1::markModified);
    connect(m_grid, &ItemGridView::editRequested, this, &Tform1::editCell);
    connect(m_grid, &ItemGridView::pathsDropped, this, &Tform1::handleDroppedPaths);
    connect(m_grid, &ItemGridView::keyReleased, this, &Tform1::updateChosenItem);
    connect(m_grid, &ItemGridView::clicked, this, &Tform1::updateChosenItem);
    connect(m_grid, &ItemGridView::popupRequested, this, [this](int row, const QPoint& pos) {
        preparePopup(row);
        m_actions->popupMenu()->popup(pos);
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &Tform1::onGridCurrentChanged);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionMoved, this, [this] { markModified(); });
    connect(m_cdSize, &CdSizeBar::clicked, this, [this] {
        if (m_session->isOpen())
            m_cdSize->compute(uiLanguage().decode(m_session->header().projectFolder).toStdString());
    });
}

void Tform1::notYetAvailable() {
    messages().showText(QStringLiteral("This command is not available in this version yet."),
                        BoxKind::Information, BoxButtons::Ok);
}

void Tform1::categoriesClick() {
    if (!requireProject())
        return;
#if VARDEO_HAVE_CATEGORY_EDITOR
    // The editor works on the project through its working copy, so items
    // follow renamed and moved categories.
    if (auto st = beforeCategoryEditor(*m_session); !st) {
        m_prompts->reportError("", st.error());
        return;
    }
    SessionCategoryHost host(*m_session);
    static_cast<Tgfform*>(m_categoryForm)->execute(host);
    if (auto st = afterCategoryEditor(*m_session); !st)
        m_prompts->reportError("", st.error());
    ensureOneRow(m_session->items());
    m_model->reload();
    projectChanged();
#else
    notYetAvailable();
#endif
}

void Tform1::onGridCurrentChanged() { updateChosenItem(); }

bool Tform1::startUp(const QString& argument) {
    m_started = true;
    applyLanguage(m_settings.language, false);
    applySettings(m_settings);
    m_session->setModified(false);
    refreshRecentFiles();
    // The designer cannot build menus without its default skin.
    if (!tarnic::fileExists(m_programFolder / "Skins" / "_default" / "skin.jpg") &&
        !tarnic::findCaseInsensitive(m_programFolder, "Skins/_default/skin.jpg")) {
        messages().showText(QStringLiteral("Standard Skin not found. Please reinstall Vardeo or Standard Skin."),
                            BoxKind::Error, BoxButtons::Ok);
        return false;
    }
    if (argument.endsWith(QStringLiteral("mof"), Qt::CaseInsensitive))
        openProject(qstringToPath(argument));
    // The welcome screen arrives with the new-project dialogs.
    return true;
}

void Tform1::openProject(const std::filesystem::path& file) {
    const ProjectSession::OpenResult result = m_session->open(file);
    if (result == ProjectSession::OpenResult::Opened) {
        m_lastHit.reset();
        ensureOneRow(m_session->items());
    }
    m_model->reload();
    projectChanged();
    if (result == ProjectSession::OpenResult::Opened && m_cdSize->isVisible())
        m_cdSize->compute(uiLanguage().decode(m_session->header().projectFolder).toStdString());
}

void Tform1::openClick() {
    if (!m_session->offerSave("M28"))
        return;
    const auto file = chooseFile(this, {FileDialogKind::Open, m_actions->get(QStringLiteral("zGradBtn1"))->toolTip(),
                                        m_programFolder / "projects",
                                        QStringLiteral("Tarnic - Vardeo - Projectfile (*.mof)")});
    if (file)
        openProject(*file);
}

void Tform1::openRecent(int index) {
    const auto& entries = m_session->recentFiles().entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return;
    const std::filesystem::path file = entries[static_cast<std::size_t>(index)];
    if (!m_session->offerSave("M28"))
        return;
    openProject(file);
}

void Tform1::saveClick() {
    if (!requireProject())
        return;
    m_prompts->setSaveTitle(m_actions->get(QStringLiteral("save"))->toolTip());
    m_session->save();
    projectChanged();
}

void Tform1::saveAsClick() {
    if (!requireProject())
        return;
    m_prompts->setSaveTitle(m_actions->get(QStringLiteral("save"))->toolTip());
    const auto target = m_prompts->chooseSaveAsFile(m_session->projectFile().empty()
                                                        ? m_programFolder / "projects"
                                                        : m_session->projectFile());
    if (!target)
        return;
    m_session->saveAs(*target);
    projectChanged();
}

void Tform1::projectChanged() {
    updateTitle();
    updateCommandStates();
    refreshRecentFiles();
    updateChosenItem();
}

void Tform1::updateTitle() {
    if (!m_session->isOpen()) {
        const QString t13 = uiLanguage().texts("T13");
        setWindowTitle(t13.isEmpty() ? QStringLiteral("Tarnic - Vardeo - Please load/create a project") : t13);
        return;
    }
    setWindowTitle(uiLanguage().decode(m_session->title(uiLanguage().table().texts("T22"),
                                                        uiLanguage().table().texts("T26"))) +
                   (m_session->modified() ? QStringLiteral(" *") : QString()));
}

void Tform1::updateCommandStates() {
    const bool open = m_session->isOpen();
    for (QAction* a : m_actions->projectActions())
        a->setEnabled(open);
}

void Tform1::refreshRecentFiles() {
    QMenu* menu = m_actions->recentMenuAnchor();
    for (QAction* a : menu->actions())
        if (a->property("recent").isValid())
            menu->removeAction(a), a->deleteLater();
    const std::vector<std::string> captions = m_session->recentFiles().captions();
    QAction* before = m_actions->exitAction();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* a = new QAction(QString::fromStdString(captions[i]), menu);
        a->setObjectName(QStringLiteral("recent_%1").arg(i + 1));
        a->setProperty("recent", static_cast<int>(i));
        connect(a, &QAction::triggered, this, [this, i] {
            playClick();
            openRecent(static_cast<int>(i));
        });
        menu->insertAction(before, a);
    }
}

void Tform1::markModified() {
    if (!m_session->isOpen())
        return;
    m_session->setModified(true);
    updateTitle();
}

bool Tform1::requireProject() {
    if (m_session->isOpen())
        return true;
    messages().show("M1", BoxKind::Information, BoxButtons::Ok);
    return false;
}

void Tform1::buildClick(bool html) {
    if (!requireProject())
        return;
    m_actions->get(html ? QStringLiteral("htmlstyle") : QStringLiteral("classicstyle"))->setChecked(true);
    // The test-run question must not hide behind a window that stays on top.
    const bool wasOnTop = m_actions->get(QStringLiteral("aot"))->isChecked();
    if (wasOnTop)
        setStayOnTop(false);
    const BuildInput input{m_session->header(),        m_session->items(),      m_session->categories(),
                           m_session->categoryFile(), m_session->designFile(), m_programFolder,
                           m_session->words()};
    WindowBuildPrompts prompts;
    // The HTML pages writer is not part of the designer yet: an HTML build
    // stops with its error before anything is written.
    const BuildReport report = buildCd(input, html ? BuildStyle::Html : BuildStyle::Classic, prompts);
    if (wasOnTop)
        setStayOnTop(true);
    if (report.built() && m_cdSize->isVisible())
        m_cdSize->compute(uiLanguage().decode(m_session->header().projectFolder).toStdString());
}

void Tform1::cleanUpClick() {
    if (!requireProject())
        return;
    WindowBuildPrompts prompts;
    if (cleanUpCd(m_session->header().projectFolder, prompts) && m_cdSize->isVisible())
        m_cdSize->compute(uiLanguage().decode(m_session->header().projectFolder).toStdString());
}

void Tform1::exitSequence() {
    if (m_exited)
        return;
    m_exited = true;
    m_session->exit();
    saveSettings();
}

void Tform1::closeEvent(QCloseEvent* event) {
    exitSequence();
    event->accept();
}

} // namespace vardeo
