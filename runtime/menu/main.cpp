// vistel: the menu program on the CD. It serves the CD folder it lives in
// (the folder holding cfg/), or the folder given with --root.
#include "runtime/cover/menu_dialogs.h"
#include "runtime/menu/vistel_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vistel"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("root"),
                                        QStringLiteral("The CD folder to serve."),
                                        QStringLiteral("DIR"));
    parser.addOption(rootOption);
    parser.process(app);
    const QString root = parser.isSet(rootOption) ? parser.value(rootOption)
                                                  : QCoreApplication::applicationDirPath();
    vistel::Tvistel_form form(std::filesystem::path(QDir(root).absolutePath().toStdString()));
    vistel::installMenuDialogs(form);
    form.show();
    form.startUp();
    return QApplication::exec();
}
