// Tform1: the settings store and the UI language applied to the window.
#include "designer/language/message_service.h"
#include "designer/language/ui_language.h"
#include "designer/language/wait_window.h"
#include "designer/mainwindow/cd_size_bar.h"
#include "designer/mainwindow/cell_editors.h"
#include "designer/mainwindow/item_grid_view.h"
#include "designer/mainwindow/item_model.h"
#include "designer/mainwindow/main_actions.h"
#include "designer/mainwindow/main_window.h"
#include "shared/text.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

namespace vardeo {
namespace {

QColor toQColor(tarnic::Colour c) {
    const tarnic::Rgb rgb = tarnic::colourToRgb(c);
    return {rgb.r, rgb.g, rgb.b};
}

} // namespace

void Tform1::applyColumnLayout(const std::array<std::string, kFieldCount>& fields) {
    QHeaderView* h = m_grid->horizontalHeader();
    const QSignalBlocker block(h);
    for (std::size_t n = 0; n < kFieldCount; ++n) {
        int logical = -1;
        for (std::size_t i = 0; i < kFieldCount; ++i)
            if (tarnic::iequals(kCanonicalFieldNames[i], fields[n]))
                logical = static_cast<int>(i) + 1;
        if (logical < 0)
            continue;
        h->moveSection(h->visualIndex(logical), static_cast<int>(n) + 1);
    }
}

void Tform1::applyLanguage(int number, bool fromMenu) {
    UiLanguage& lang = uiLanguage();
    if (fromMenu && m_started && number == lang.number()) {
        m_actions->languageActions()[number - 1]->setChecked(true);
        return;
    }
    const DesignerLanguageInfo* info = designerLanguage(number);
    if (info && !info->waitPicture.empty())
        waitWindow().setPicture(QPixmap(pathToQString(m_programFolder / std::string(info->waitPicture))));
    waitWindow().begin();
    if (info)
        lang.load(number);
    m_session->words() = lang.words();
    if (!fromMenu)
        applyColumnLayout(m_settings.columnFields);
    if (m_session->isOpen())
        m_session->normaliseYesNo();

    m_actions->applyLanguage();
    m_editForm->applyLanguage();
    m_ynForm->applyLanguage();
    m_slideForm->applyLanguage();
    m_comboForm->applyLanguage();
    m_colourForm->applyLanguage();
    m_findForm->applyLanguage();
    const auto label = [&lang](QLabel* l, int key, const char* fallback) {
        const QString t = lang.caption("Main", key);
        l->setText(t.isEmpty() ? QString::fromLatin1(fallback) : t);
    };
    label(m_chosenCaption, 46, "Chosen Item:");
    label(m_infoCaption, 47, "Info:");
    label(m_screenshotCaption, 48, "Screenshot:");
    if (info)
        m_actions->languageActions()[number - 1]->setChecked(true);
    m_settings.language = number;
    const QModelIndex current = m_grid->currentIndex();
    m_model->reload();
    if (current.isValid())
        m_grid->setCurrentIndex(m_model->index(current.row(), current.column()));
    updateTitle();
    updateChosenItem();
    waitWindow().end();
}

void Tform1::applySettings(const DesignerSettings& s) {
    m_settings = s;
    MainActions& a = *m_actions;
    setStayOnTop(s.onTop);
    a["showwelcome"]->setChecked(s.showWelcome);
    a["showaddtip"]->setChecked(s.showAddTip);
    a["showback"]->setChecked(s.showBackground);
    m_model->setColours(toQColor(s.color1), toQColor(s.color2));

    a.arrangeToolbars(s.bandToolbar, s.bandBreak, s.bandWidth);
    for (int n = 1; n <= kToolbarCount; ++n) {
        a.get(QStringLiteral("tb%1_visible").arg(n))->setChecked(s.toolbarVisible[static_cast<std::size_t>(n - 1)]);
        a.toolbar(n)->setVisible(s.toolbarVisible[static_cast<std::size_t>(n - 1)]);
    }
    a["symboltitel"]->setChecked(s.captionsChecked);
    a.menuNamed(QStringLiteral("symbolgroesse"))->setEnabled(s.pictureSizeEnabled);
    a["klein"]->setChecked(s.smallChecked);
    a["gross"]->setChecked(!s.smallChecked);
    a.loadPictures(pathToQString(m_programFolder / "Files" / "Images" / "0") + QLatin1Char('/'), s.pictureSize == 0);
    a.setButtonLayout(s.captions != 0, s.buttonLayout == 2);

    a["cdsizestatus"]->setChecked(s.cdSizeBar != 0);
    m_cdSize->setVisible(s.cdSizeBar != 0);
    a[s.htmlBuild ? "htmlstyle" : "classicstyle"]->setChecked(true);

    applyColumnLayout(s.columnFields);
    // Column states before the mode: Column Move refuses hidden columns.
    setGridMode(GridMode::None);
    applyColumnStates(s);
    setGridMode(static_cast<GridMode>(s.gridMode));
}

DesignerSettings Tform1::collectSettings() const {
    DesignerSettings s = m_settings;
    const MainActions& a = *m_actions;
    s.onTop = a["aot"]->isChecked();
    const std::filesystem::path project = m_session->projectFile();
    s.lastProject = project.empty() ? std::string() : project.string();
    s.language = uiLanguage().number();
    s.showWelcome = a["showwelcome"]->isChecked();
    s.showAddTip = a["showaddtip"]->isChecked();
    s.showBackground = a["showback"]->isChecked();
    const QHeaderView* h = m_grid->horizontalHeader();
    for (std::size_t n = 0; n < kGridColumns; ++n) {
        const int logical = h->logicalIndex(static_cast<int>(n));
        s.columnHidden[n] = n > 0 && h->isSectionHidden(logical);
        if (!s.columnHidden[n])
            s.columnWidth[n] = h->sectionSize(logical);
    }
    s.columnFields = columnLayout();
    s.gridMode = static_cast<int>(m_gridMode);
    s.maximised = isMaximized();
    if (!s.maximised && !isMinimized()) {
        s.width = width();
        s.height = height();
    }
    // Band order: which tool bar sits in each band, top to bottom, left to right.
    std::array<QToolBar*, kToolbarCount> bars{};
    for (int n = 1; n <= kToolbarCount; ++n)
        bars[static_cast<std::size_t>(n - 1)] = a.toolbar(n);
    std::array<int, kToolbarCount> numbers{1, 2, 3, 4, 5};
    if (isVisible()) {
        std::stable_sort(numbers.begin(), numbers.end(), [&](int x, int y) {
            const QPoint px = bars[static_cast<std::size_t>(x - 1)]->pos();
            const QPoint py = bars[static_cast<std::size_t>(y - 1)]->pos();
            return px.y() != py.y() ? px.y() < py.y() : px.x() < py.x();
        });
        for (std::size_t k = 0; k < kToolbarCount; ++k) {
            const QToolBar* bar = bars[static_cast<std::size_t>(numbers[k] - 1)];
            s.bandBreak[k] = k > 0 && bar->pos().y() != bars[static_cast<std::size_t>(numbers[k - 1] - 1)]->pos().y();
            s.bandWidth[k] = bar->width();
        }
        s.bandToolbar = numbers;
    }
    for (int n = 1; n <= kToolbarCount; ++n)
        s.toolbarVisible[static_cast<std::size_t>(n - 1)] = a.get(QStringLiteral("tb%1_visible").arg(n))->isChecked();
    const bool captions = a["symboltitel"]->isChecked();
    const bool small = a["klein"]->isChecked();
    s.captionsChecked = captions;
    s.captions = captions ? 1 : 0;
    s.pictureSizeEnabled = !captions;
    s.smallChecked = small;
    s.largeChecked = !small;
    s.pictureSize = small ? 0 : 1;
    s.buttonLayout = captions ? 0 : small ? 2 : 1;
    s.cdSizeBar = a["cdsizestatus"]->isChecked() ? 1 : 0;
    s.htmlBuild = a["htmlstyle"]->isChecked();
    return s;
}

void Tform1::saveSettings() {
    const DesignerSettings s = collectSettings();
    if (auto st = vardeo::saveSettings(m_programFolder / std::string(kSettingsFileName), s); !st)
        messages().showText(QString::fromStdString(st.error().message()), BoxKind::Error, BoxButtons::Ok);
}

} // namespace vardeo
