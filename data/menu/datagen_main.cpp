// tarnic_datagen: writes the program folder's own data (designs, language
// files, icons, flags, rating sets, sounds, templates) from the text sources
// and the drawing code beside it. Usage: tarnic_datagen <text sources> <program folder>
#include "data/menu/flags.h"
#include "data/menu/gif_writer.h"
#include "data/menu/icons.h"
#include "data/menu/output.h"
#include "data/menu/rating.h"
#include "data/menu/skin_theme.h"
#include "data/menu/sounds.h"

#include <QGuiApplication>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tarnic_datagen <text sources> <program folder>\n";
        return 2;
    }
    QGuiApplication app(argc, argv); // text in pictures needs the font database
    try {
        const datagen::Output out{std::filesystem::path(argv[2])};
        datagen::writeTextFiles(argv[1], out);
        for (const char* folder : {"projects", "genre", "menudesign", "Categories", "AboutText"})
            out.makeFolder(folder);
        out.write("Files/blank.gif", datagen::blankGif());

        datagen::writeSkin(out, datagen::lightTheme());
        datagen::writeSkin(out, datagen::darkTheme());
        datagen::writeSounds(out, datagen::lightTheme().folder, 1.0);
        datagen::writeSounds(out, datagen::darkTheme().folder, 0.75);
        datagen::writeProgramIcons(out);
        datagen::writeMemberIconSets(out);
        datagen::writeCategoryIconPacks(out);
        datagen::writeStandardCategoryIcons(out);
        datagen::writeFlags(out);
        datagen::writeRatingSets(out);
    } catch (const std::exception& e) {
        std::cerr << "tarnic_datagen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
