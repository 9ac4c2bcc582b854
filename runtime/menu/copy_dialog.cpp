#include "runtime/menu/copy_dialog.h"

#include "runtime/menu/copy_job.h"
#include "runtime/menu/image_button.h"
#include "runtime/menu/new_folder_dialog.h"
#include "runtime/menu/qt_bridge.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPainter>
#include <QProgressBar>
#include <QTreeView>
#include <QUrl>

#include <atomic>
#include <thread>

namespace vistel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoFiles = "Error - no files in the Zip file";

void addMounts(std::vector<CopyPlace>& out, const fs::path& base, int depth) {
    std::error_code ec;
    if (!fs::is_directory(base, ec))
        return;
    for (const auto& e : fs::directory_iterator(base, fs::directory_options::skip_permission_denied, ec)) {
        if (!e.is_directory(ec))
            continue;
        if (depth > 1)
            addMounts(out, e.path(), depth - 1); // /media/<user>/<medium>
        else
            out.push_back({QString::fromStdString(e.path().filename().string()) +
                               QStringLiteral(" (") + fromPath(e.path()) + QLatin1Char(')'),
                           e.path()});
    }
}

} // namespace

std::vector<CopyPlace> copyPlaces() {
    std::vector<CopyPlace> out;
    out.push_back({QStringLiteral("Home (") + QDir::homePath() + QLatin1Char(')'), toPath(QDir::homePath())});
    addMounts(out, "/media", 2);
    addMounts(out, "/run/media", 2);
    addMounts(out, "/mnt", 1);
    out.push_back({QStringLiteral("File system (/)"), fs::path("/")});
    return out;
}

Tfcform::Tfcform(const DialogContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ctx(context) {
    setObjectName(QStringLiteral("Tfcform"));
    setFixedSize(295, 220);
    setModal(true);

    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("AHMDriveCombo1"));
    m_drives->setGeometry(24, 23, 161, 22);
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_tree->setGeometry(24, 48, 161, 112);
    m_tree->setModel(m_model);
    for (int c = 1; c < m_model->columnCount(); ++c)
        m_tree->hideColumn(c);
    m_tree->header()->hide();
    m_tree->setIndentation(10);

    const char* names[4] = {"start", "browsebtn", "newd", "cancel"};
    const int tops[4] = {15, 47, 79, 135};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* b = new ImageButton(this);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setGeometry(200, tops[i], 75, 30);
        m_buttons[i] = b;
    }
    connect(m_buttons[0], &QAbstractButton::clicked, this, &Tfcform::startClick);
    connect(m_buttons[1], &QAbstractButton::clicked, this, &Tfcform::browsebtnClick);
    connect(m_buttons[2], &QAbstractButton::clicked, this, &Tfcform::newdClick);
    connect(m_buttons[3], &QAbstractButton::clicked, this, &Tfcform::cancelClick);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("copyanz"));
    m_bar->setGeometry(24, 184, 243, 10);
    m_bar->setTextVisible(false);
    m_bar->setStyleSheet(QStringLiteral(
        "QProgressBar { background: #a0a0a0; border: 1px solid #606060; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
        " stop:0 #e00000, stop:0.5 #e0e000, stop:1 #00c000); }"));

    for (const CopyPlace& place : copyPlaces())
        m_drives->addItem(place.label, fromPath(place.path));
    connect(m_drives, &QComboBox::currentIndexChanged, this, &Tfcform::placeChosen);
    placeChosen(0);

    m_ddform = new Tddform(m_ctx, this);
    applySkin();
}

Tfcform::~Tfcform() = default;

void Tfcform::applySkin() {
    m_background = m_ctx.skinPicture("cz_skin.jpg");
    const char* prefixes[4] = {"cz_start", "cz_explorer", "cz_mkdir", "cz_exit"};
    const char* hints[4] = {"4", "5", "3", "6"};
    for (std::size_t i = 0; i < 4; ++i) {
        m_ctx.skinButton(m_buttons[i], prefixes[i]);
        m_buttons[i]->setToolTip(m_ctx.lang("Hints", hints[i]));
    }
    applyEditStyle(m_drives, m_ctx.design.editcu);
    applyEditStyle(m_tree, m_ctx.design.editcu);
    m_ddform->applySkin();
}

void Tfcform::placeChosen(int index) {
    if (index < 0)
        return;
    const QString root = m_drives->itemData(index).toString();
    m_model->setRootPath(root);
    m_tree->setRootIndex(m_model->index(root));
    m_tree->setCurrentIndex(QModelIndex());
}

fs::path Tfcform::currentFolder() const {
    const QModelIndex current = m_tree->currentIndex();
    if (current.isValid())
        return toPath(m_model->filePath(current));
    return toPath(m_drives->currentData().toString());
}

void Tfcform::setCurrentFolder(const fs::path& folder) {
    // Choose the place that holds the folder (the longest matching one).
    int best = m_drives->count() - 1;
    std::size_t bestLength = 0;
    const std::string f = folder.string();
    for (int i = 0; i < m_drives->count(); ++i) {
        const std::string p = toPath(m_drives->itemData(i).toString()).string();
        if (f.rfind(p, 0) == 0 && p.size() > bestLength) {
            best = i;
            bestLength = p.size();
        }
    }
    m_drives->setCurrentIndex(best);
    placeChosen(best);
    const QModelIndex index = m_model->index(fromPath(folder));
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

void Tfcform::prepare(const CopyRequest& request) {
    m_request = request;
    m_report = {};
    if (parentWidget()) {
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    setWindowTitle(m_ctx.lang("Other", request.mode == CopyMode::Copy ? "21" : "22"));
    setButtonsEnabled(true);
}

void Tfcform::run(const CopyRequest& request) {
    prepare(request);
    exec();
}

void Tfcform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), palette().window());
}

void Tfcform::setButtonsEnabled(bool on) {
    for (ImageButton* b : m_buttons) {
        b->setEnabled(on);
        b->update();
    }
}

void Tfcform::reject() {
    if (!m_busy)
        QDialog::reject();
}

void Tfcform::cancelClick() {
    if (m_busy)
        return;
    m_ctx.sound(3);
    reject();
}

void Tfcform::browsebtnClick() {
    m_ctx.sound(3);
    QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(currentFolder())));
}

void Tfcform::newdClick() {
    m_ctx.sound(3);
    setButtonsEnabled(false);
    m_ddform->setFolder(currentFolder());
    if (m_ddform->exec() == QDialog::Accepted)
        setCurrentFolder(m_ddform->createdFolder());
    setButtonsEnabled(true);
}

void Tfcform::startClick() {
    if (m_busy)
        return;
    m_ctx.sound(3);
    setButtonsEnabled(false);
    m_busy = true;
    const fs::path target = currentFolder();
    switch (m_request.mode) {
    case CopyMode::Copy: runCopy(target); break;
    case CopyMode::Unzip: runUnpack(target, ArchiveFormat::Zip); break;
    case CopyMode::Unrar: runUnpack(target, ArchiveFormat::Rar); break;
    }
    m_busy = false;
    setButtonsEnabled(true);
}

void Tfcform::runOffThread(std::function<void()> work) {
    QEventLoop loop;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    if (!done)
        loop.exec();
    worker.join();
}

void Tfcform::runCopy(const fs::path& target) {
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    std::optional<tarnic::Error> failure;
    runOffThread([&] {
        auto r = copyIntoFolder(m_request.source, target, [this](int percent) {
            QMetaObject::invokeMethod(m_bar, [this, percent] { m_bar->setValue(percent); },
                                      Qt::QueuedConnection);
        });
        if (!r)
            failure = r.error();
    });
    QCoreApplication::sendPostedEvents(m_bar);
    if (failure) {
        m_ctx.show(this, QString::fromStdString(failure->message()));
        return;
    }
    m_ctx.sound(4);
}

void Tfcform::runUnpack(const fs::path& target, ArchiveFormat format) {
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    tarnic::Result<int> count = tarnic::Error{};
    runOffThread([&] { count = countEntries(m_request.source, format); });
    if (count && *count == 0) {
        m_ctx.show(this, QString::fromLatin1(kNoFiles));
        return;
    }
    // A damaged archive may not count to its end; unpacking still saves
    // what can be read, with the bar running without a known end.
    m_bar->setRange(0, count ? *count : 0);
    m_bar->setValue(0);
    runOffThread([&] {
        m_report = extractAll(m_request.source, format, target, [this](std::string_view) {
            QMetaObject::invokeMethod(m_bar, [this] { m_bar->setValue(m_bar->value() + 1); },
                                      Qt::QueuedConnection);
        });
    });
    QCoreApplication::sendPostedEvents(m_bar);
    m_bar->setRange(0, 100);
    m_bar->setValue(100);
    m_ctx.sound(5);
    QString text;
    if (m_report.error)
        text = QString::fromStdString(m_report.error->message()) + QStringLiteral("\n\n");
    if (!m_report.skipped.empty()) {
        text += QStringLiteral("These entries were not unpacked:\n");
        for (const SkippedEntry& s : m_report.skipped)
            text += QStringLiteral("  ") + QString::fromStdString(s.name) + QStringLiteral(" - ") +
                    QString::fromStdString(s.reason) + QLatin1Char('\n');
    }
    if (!text.isEmpty())
        m_ctx.show(this, text.trimmed());
}

} // namespace vistel
