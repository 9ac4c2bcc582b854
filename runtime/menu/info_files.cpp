#include "runtime/menu/info_files.h"

#include "runtime/menu/archive_extractor.h"
#include "runtime/menu/info_viewer.h"
#include "runtime/menu/qt_bridge.h"
#include "runtime/menu/scratch_folder.h"

namespace vistel {

void showArchiveInfoFile(QWidget* owner, const DialogContext& ctx, TInfoform* viewer,
                         ScratchFolder& scratch, const std::filesystem::path& zip, bool diz,
                         const QString& filenameText, bool modal) {
    auto folder = scratch.path();
    if (!folder) {
        ctx.show(owner, QString::fromStdString(folder.error().message()));
        return;
    }
    const InfoFiles found = extractInfoFiles(zip, diz ? "diz" : "nfo", *folder);
    if (found.marked == 0 && !found.error) {
        ctx.show(owner, ctx.lang("Language", diz ? "no_zip_lang" : "no_nfo_lang"));
        return;
    }
    if (found.error)
        ctx.show(owner, QStringLiteral("Error in Extract; Fatal DLL Exception"));
    if (!found.shown) {
        if (found.marked == 0)
            ctx.show(owner, ctx.lang("Language", diz ? "no_zip_lang" : "no_nfo_lang"));
        return;
    }
    const std::filesystem::path shown = *found.shown;
    if (!viewer->loadFile(shown, true, ctx.language.codepage())) {
        ctx.show(owner, viewer->errorText());
        return;
    }
    viewer->setWindowTitle((diz ? QStringLiteral("File_id.diz ") + ctx.lang("Other", "20")
                                : QStringLiteral("Nfo ") + ctx.lang("Other", "19")) +
                           QLatin1Char(' ') + filenameText);
    QObject::connect(
        viewer, &QDialog::finished, viewer,
        [shown] {
            std::error_code ec;
            std::filesystem::remove(shown, ec);
        },
        Qt::SingleShotConnection);
    if (modal)
        viewer->exec();
    else
        viewer->show();
}

} // namespace vistel
