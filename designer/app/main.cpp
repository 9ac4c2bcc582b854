// vardeo: the designer. One optional argument: a project file ("...mof").
#include "designer/language/ui_language.h"
#include "designer/mainwindow/main_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnic - Vardeo 6.5"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnic - Vardeo 6.5"));
    const QString argument = QApplication::arguments().value(1);
    vardeo::Tform1 window(vardeo::qstringToPath(QCoreApplication::applicationDirPath()));
    window.show();
    QTimer::singleShot(0, &window, [&window, argument] {
        if (!window.startUp(argument))
            QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
