// Tform1: the grid commands (cell editors, remove, sort, find, modes,
// columns, colours, pop-up menu, launch, drops, chosen item display).
#include "designer/language/desktop_services.h"
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/language/wait_window.h"
#include "designer/mainwindow/cell_editors.h"
#include "designer/mainwindow/item_grid_view.h"
#include "designer/mainwindow/item_model.h"
#include "designer/mainwindow/main_actions.h"
#include "designer/mainwindow/main_window.h"
#include "shared/file_io.h"
#include "shared/paths.h"
#include "shared/text.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QUrl>

namespace vardeo {
namespace {

bool isHyperlink(const ProjectItem& item) {
    const std::string& file = item[Field::FileName];
    return tarnic::istartsWith(file, "HTTP") || tarnic::istartsWith(file, "FTP");
}

std::filesystem::path nativePath(const std::string& bytes) { return qstringToPath(uiLanguage().decode(bytes)); }

// The item's sibling file with its last three characters replaced ("txt", "jpg").
bool siblingExists(const std::string& source, const char* ext) {
    if (source.size() < 3)
        return false;
    return tarnic::fileExists(nativePath(source.substr(0, source.size() - 3) + ext));
}

} // namespace

int Tform1::displayColumnOf(Field field) const {
    return m_grid->horizontalHeader()->visualIndex(ItemTableModel::columnOf(field));
}

std::array<std::string, kFieldCount> Tform1::columnLayout() const {
    std::array<std::string, kFieldCount> layout;
    const QHeaderView* h = m_grid->horizontalHeader();
    for (int visual = 1; visual <= static_cast<int>(kFieldCount); ++visual) {
        const int logical = h->logicalIndex(visual);
        layout[static_cast<std::size_t>(visual - 1)] =
            std::string(kCanonicalFieldNames[static_cast<std::size_t>(logical - 1)]);
    }
    return layout;
}

void Tform1::editCell(int row, int column) {
    if (column <= 0 || column > static_cast<int>(kFieldCount))
        return;
    editField(row, ItemTableModel::fieldOf(column));
}

void Tform1::editField(int row, Field field) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_grid->setCurrentIndex(m_model->index(row, ItemTableModel::columnOf(field)));
    const ProjectItem& item = m_model->item(row);
    const LocalWords& words = m_session->words();
    const std::string jumpMarker = uiLanguage().table().texts("TJP");
    const bool jump = item[Field::FileName] == jumpMarker || isJumpPointPath(item[Field::FileName]);
    const bool noPath = item[Field::CdPath].empty();
    const auto refuse = [](const char* key) { messages().show(key, BoxKind::Information, BoxButtons::Ok); };
    const auto text = [&] {
        if (auto v = m_editForm->edit({}, uiLanguage().decode(item[field])))
            m_model->setField(row, field, std::move(*v));
    };
    switch (field) {
    case Field::FileName:
        if (jump)
            return refuse("M31");
        return text();
    case Field::CdPath:
        if (noPath)
            return refuse("M32");
        return text();
    case Field::Category: {
        QStringList entries;
        for (const std::string& e : m_session->categories().entries())
            entries.push_back(uiLanguage().decode(e));
        if (auto i = m_comboForm->choose(entries))
            m_model->setField(row, field, m_session->categories().stripped(static_cast<std::size_t>(*i)));
        return;
    }
    case Field::Copy:
    case Field::Execute:
        if (field == Field::Copy && (jump || noPath))
            return refuse("M33");
        if (auto yes = m_ynForm->ask())
            m_model->setField(row, field, *yes ? words.yes : words.no);
        return;
    case Field::FileSourceLocation:
        if (jump || noPath)
            return refuse("M34");
        return text();
    case Field::Parameter:
        if (jump || noPath)
            return refuse("M74");
        return text();
    case Field::Rating: {
        const int start = ratingPercent(item[Field::Rating]);
        if (auto v = m_slideForm->ask(start < 0 ? 0 : start))
            m_model->setField(row, field, formatRating(*v));
        return;
    }
    case Field::Language: {
        QStringList entries;
        QList<QIcon> icons;
        for (std::size_t i = 0; i < kItemLanguageList.size(); ++i) {
            entries.push_back(QString::fromLatin1(kItemLanguageList[i].data(),
                                                  static_cast<qsizetype>(kItemLanguageList[i].size())));
            icons.push_back(QIcon(pathToQString(m_programFolder / "Files" / "flags" /
                                                ("flag" + std::to_string(i) + ".bmp"))));
        }
        if (auto i = m_comboForm->choose(entries, icons))
            m_model->setField(row, field, std::string(kItemLanguageList[static_cast<std::size_t>(*i)]));
        return;
    }
    default: return text();
    }
}

void Tform1::removeClick() {
    if (!requireProject())
        return;
    const QModelIndex current = m_grid->currentIndex();
    m_model->removeItemRow(current.isValid() ? current.row() : 0);
    updateChosenItem();
}

void Tform1::sortClick() {
    if (!requireProject())
        return;
    waitWindow().begin();
    m_model->fullSort();
    waitWindow().end();
    updateChosenItem();
}

void Tform1::findClick() {
    if (!requireProject())
        return;
    auto options = m_findForm->ask();
    if (!options)
        return;
    m_lastFind = *options;
    m_lastHit.reset();
    findNextClick();
}

void Tform1::findNextClick() {
    if (!m_lastFind)
        return findClick();
    const QHeaderView* h = m_grid->horizontalHeader();
    // Search the shown field columns in display order.
    std::vector<int> columns;
    for (int visual = 1; visual < h->count(); ++visual)
        if (!h->isSectionHidden(h->logicalIndex(visual)))
            columns.push_back(h->logicalIndex(visual));
    const QModelIndex current = m_grid->currentIndex();
    GridPos here{current.isValid() ? current.row() : 0, 0};
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (current.isValid() && columns[i] == current.column())
            here.column = static_cast<int>(i);
    const auto hit = findInGrid(
        [&](int r, int c) {
            return uiLanguage().decode(
                m_model->item(r)[ItemTableModel::fieldOf(columns[static_cast<std::size_t>(c)])]);
        },
        m_model->rowCount(), static_cast<int>(columns.size()), *m_lastFind, here, m_lastHit);
    if (!hit) {
        messages().show("M36", BoxKind::Information, BoxButtons::Ok);
        return;
    }
    m_lastHit = hit;
    m_grid->setCurrentIndex(m_model->index(hit->row, columns[static_cast<std::size_t>(hit->column)]));
    m_grid->scrollTo(m_grid->currentIndex());
    updateChosenItem();
}

bool Tform1::setGridMode(GridMode mode) {
    QHeaderView* h = m_grid->horizontalHeader();
    if (mode == GridMode::ColumnMove) {
        for (int c = 1; c < h->count(); ++c)
            if (h->isSectionHidden(c)) {
                messages().show("M37", BoxKind::Information, BoxButtons::Ok);
                mode = m_gridMode;
                break;
            }
    }
    m_gridMode = mode;
    h->setSectionsMovable(mode == GridMode::ColumnMove);
    m_grid->setSortingEnabled(false);
    h->setSortIndicatorShown(mode == GridMode::QuickSort);
    h->setSectionsClickable(mode == GridMode::QuickSort);
    if (mode == GridMode::QuickSort) {
        h->setSortIndicator(-1, Qt::AscendingOrder);
        m_grid->setSortingEnabled(true);
    }
    const char* names[] = {"gridmode_none", "gridmode_move", "gridmode_sort"};
    m_actions->get(QString::fromLatin1(names[static_cast<int>(mode)]))->setChecked(true);
    return mode != GridMode::None || true;
}

void Tform1::setColumnShown(Field field, bool shown) {
    const int column = ItemTableModel::columnOf(field);
    m_grid->horizontalHeader()->setSectionHidden(column, !shown);
    if (shown && m_grid->columnWidth(column) <= 0)
        m_grid->setColumnWidth(column, 50);
    const auto i = static_cast<qsizetype>(field);
    m_actions->columnActions()[i]->setChecked(shown);
    m_actions->popupEditActions()[i]->setEnabled(shown);
}

void Tform1::showAllColumns() {
    for (std::size_t i = 0; i < kFieldCount; ++i)
        setColumnShown(static_cast<Field>(i), true);
}

void Tform1::restoreGridSettings() {
    m_grid->horizontalHeader()->setSectionHidden(0, false);
    showAllColumns();
    auto stored = loadSettings(m_programFolder / std::string(kSettingsFileName));
    applyColumnStates(stored.ok() ? *stored : DesignerSettings{});
}

void Tform1::applyColumnStates(const DesignerSettings& s) {
    for (std::size_t n = 1; n < kGridColumns; ++n) {
        const int logical = m_grid->horizontalHeader()->logicalIndex(static_cast<int>(n));
        setColumnShown(ItemTableModel::fieldOf(logical), !s.columnHidden[n]);
    }
    for (std::size_t n = 0; n < kGridColumns; ++n) {
        const int logical = m_grid->horizontalHeader()->logicalIndex(static_cast<int>(n));
        if (!m_grid->horizontalHeader()->isSectionHidden(logical))
            m_grid->setColumnWidth(logical, std::max(0, s.columnWidth[n]));
    }
}

void Tform1::autoGridSize() { m_grid->resizeColumnsToContents(); }

void Tform1::chooseColour(int which) {
    tarnic::Colour& target = which == 1 ? m_settings.color1 : m_settings.color2;
    const auto chosen = m_colourForm->choose(target);
    if (!chosen)
        return;
    target = *chosen;
    const tarnic::Rgb a = tarnic::colourToRgb(m_settings.color1);
    const tarnic::Rgb b = tarnic::colourToRgb(m_settings.color2);
    m_model->setColours(QColor(a.r, a.g, a.b), QColor(b.r, b.g, b.b));
}

void Tform1::preparePopup(int row) {
    MainActions& a = *m_actions;
    UiLanguage& lang = uiLanguage();
    const ProjectItem empty;
    const ProjectItem& item = row >= 0 && row < m_model->rowCount() ? m_model->item(row) : empty;
    const bool hasItem = !item[Field::Name].empty() || !item[Field::FileName].empty();
    struct Entry {
        QAction* action;
        const char* key;
    };
    const Entry entries[] = {{a["popup_remove"], "T27"}, {a["popup_info"], "T28"},
                             {a["popup_screenshot"], "T29"}, {a.popupEditMenu()->menuAction(), "T30"},
                             {a["popup_launch"], "T68"}, {a["popup_explorer"], "T69"}};
    const QString name = lang.decode(item[Field::Name]);
    for (const Entry& e : entries) {
        QString caption = lang.texts(e.key);
        if (caption.isEmpty())
            caption = e.action->text().section(QStringLiteral(": "), 0, 0);
        e.action->setText(hasItem ? caption + QStringLiteral(": ") + name : caption);
        e.action->setEnabled(hasItem);
    }
    if (!hasItem)
        return;
    const bool link = isHyperlink(item);
    const bool jump = isJumpPointPath(item[Field::FileName]) || item[Field::FileName] == lang.table().texts("TJP");
    if (link)
        a["popup_explorer"]->setEnabled(false);
    if (!link && !jump && !tarnic::fileExists(nativePath(item[Field::FileSourceLocation]))) {
        a["popup_launch"]->setEnabled(false);
        a["popup_explorer"]->setEnabled(false);
    }
    for (std::size_t i = 0; i < kFieldCount; ++i)
        a.popupEditActions()[static_cast<qsizetype>(i)]->setEnabled(
            !m_grid->horizontalHeader()->isSectionHidden(ItemTableModel::columnOf(static_cast<Field>(i))));
}

namespace {

// ProjectFolder + CD Path without its leading backslash.
QUrl cdFolderUrl(const ProjectSession& session, const ProjectItem& item) {
    const auto folder = tarnic::cdPathToNative(nativePath(session.header().projectFolder),
                                               uiLanguage().decode(item[Field::CdPath]).toStdString());
    return QUrl::fromLocalFile(pathToQString(folder));
}

QUrl addressUrl(const ProjectItem& item) { return QUrl(uiLanguage().decode(item[Field::FileName])); }

} // namespace

void Tform1::launchClick() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const ProjectItem& item = m_model->item(current.row());
    const auto source = nativePath(item[Field::FileSourceLocation]);
    if (tarnic::fileExists(source))
        openWithDesktop(QUrl::fromLocalFile(pathToQString(source)));
    if (isHyperlink(item))
        openWithDesktop(addressUrl(item));
    else if (isJumpPointPath(item[Field::FileName]))
        openWithDesktop(cdFolderUrl(*m_session, item));
}

void Tform1::explorerClick() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const ProjectItem& item = m_model->item(current.row());
    openWithDesktop(isHyperlink(item) ? addressUrl(item) : cdFolderUrl(*m_session, item));
}

void Tform1::handleDroppedPaths(const QStringList& paths) {
    m_cancelAll = false;
    for (const QString& path : paths) {
        if (m_cancelAll)
            break;
        const QFileInfo info(path);
        if (info.isDir()) {
            const bool wasOnTop = m_actions->get(QStringLiteral("aot"))->isChecked();
            if (wasOnTop)
                setStayOnTop(false);
            messages().relabel(Answer::Yes, uiLanguage().texts("T60"));
            messages().relabel(Answer::No, uiLanguage().texts("T61"));
            const Answer a = messages().show("M62", BoxKind::Question, BoxButtons::YesNo);
            messages().resetLabels();
            if (wasOnTop)
                setStayOnTop(true);
            // TODO(add dialogs): Yes opens the add-jump-point dialog, No the add-folder dialog.
            (void)a;
            continue;
        }
        if (!info.isFile())
            continue;
        if (!m_session->isOpen()) {
            messages().show("M1", BoxKind::Information, BoxButtons::Ok);
            continue;
        }
        // Until the add-file dialog exists, a dropped file becomes a file item
        // proposed the way that dialog proposes it.
        const auto bytes = uiLanguage().encode(info.fileName());
        const auto source = uiLanguage().encode(info.absoluteFilePath());
        if (!bytes || !source) {
            checkEncodable(this, info.absoluteFilePath());
            continue;
        }
        ProjectItem item;
        item[Field::Name] = *uiLanguage().encode(info.completeBaseName());
        item[Field::FileName] = *bytes;
        const auto root = nativePath(m_session->header().projectFolder);
        const auto cdPath = tarnic::nativeToCdPath(root, qstringToPath(info.absolutePath()), true);
        item[Field::CdPath] = cdPath ? *cdPath : "\\";
        item[Field::Serial] = "n/a";
        const auto mib = static_cast<std::uint64_t>(info.size()) / (1024 * 1024);
        item[Field::CdSize] = mib == 0 ? "< 1 MB" : std::to_string(mib) + " MB";
        item[Field::HdSize] = "n/a";
        item[Field::Description] = "n/a";
        if (!m_session->categories().empty())
            item[Field::Category] = m_session->categories().stripped(0);
        item[Field::Copy] = m_session->words().yes;
        item[Field::FileSourceLocation] = *source;
        item[Field::Homepage] = "n/a";
        item[Field::Execute] = m_session->words().yes;
        item[Field::Rating] = formatRating(0);
        item[Field::Language] = std::string(kItemLanguageList[0]);
        item[Field::System] = std::string(kItemSystemList[0]);
        item[Field::Parameter] = "n/a";
        const int row = m_model->appendItem(std::move(item));
        m_grid->setCurrentIndex(m_model->index(row, 1));
    }
    updateChosenItem();
}

void Tform1::updateChosenItem() {
    const QModelIndex current = m_grid->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    if (row >= m_model->rowCount())
        return;
    const ProjectItem& item = m_model->item(row);
    UiLanguage& lang = uiLanguage();
    m_chosenName->setText(lang.decode(item[Field::Name]) + QStringLiteral("  (") +
                          lang.decode(item[Field::FileName]) + QStringLiteral(")"));
    const auto infoFolder = nativePath(m_session->header().projectFolder) / "tarnicdat";
    const std::string key = tarnic::itemKey(item[Field::Name]);
    const auto indicator = [&](QLabel* label, const char* ext, const char* dotted) {
        const bool exists = item.isItem() &&
                            (siblingExists(item[Field::FileSourceLocation], ext) ||
                             tarnic::fileExists(infoFolder / nativePath(key + dotted)));
        label->setText(lang.texts(exists ? "SYES" : "SNO") + QLatin1Char(' '));
        label->setStyleSheet(exists ? QStringLiteral("color: green; font-weight: bold")
                                    : QStringLiteral("color: navy; font-weight: bold"));
    };
    indicator(m_infoIndicator, "txt", ".txt");
    indicator(m_screenshotIndicator, "jpg", ".jpg");
}

void Tform1::setStayOnTop(bool on) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        show();
    m_actions->get(QStringLiteral("aot"))->setChecked(on);
}

} // namespace vardeo
