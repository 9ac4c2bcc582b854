#pragma once
// Small projects and a throwaway program folder for the build tests.

#include "designer/build/build_input.h"
#include "designer/build/cd_build.h"
#include "shared/picture.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace vardeo::test {

struct ItemSpec {
    std::string name, fileName, cdPath, category;
    std::string copy = "no", execute = "yes", rating = "000 %", language = "n/a";
};

inline ProjectItem makeItem(const ItemSpec& s) {
    ProjectItem item;
    item[Field::Name] = s.name;
    item[Field::FileName] = s.fileName;
    item[Field::CdPath] = s.cdPath;
    item[Field::Serial] = "n/a";
    item[Field::CdSize] = "< 1 MB";
    item[Field::HdSize] = "n/a";
    item[Field::Description] = "About " + s.name;
    item[Field::Category] = s.category;
    item[Field::Copy] = s.copy;
    item[Field::FileSourceLocation] = "n/a";
    item[Field::Homepage] = "http://example.org/" + s.name;
    item[Field::Execute] = s.execute;
    item[Field::Rating] = s.rating;
    item[Field::Language] = s.language;
    item[Field::System] = "Unix/Linux";
    item[Field::Parameter] = "n/a";
    return item;
}

inline tarnic::Image solid(int w, int h, std::uint32_t argb) { return tarnic::Image(w, h, argb); }

// A program folder as an installation holds it, with every file the classic
// build copies. Files/vistel is a script that records how it was started.
inline void writeProgramFolder(const tarnic::test::TempDir& dir, const std::string& base = "prog") {
    const std::string jpg = tarnic::encodeJpeg(solid(8, 6, 0xFF2060A0u));
    const std::string ico = tarnic::encodeIco({solid(16, 16, 0xFF00FF00u)});
    dir.write(base + "/Files/vistel",
              "#!/bin/sh\necho \"$(pwd)|$*\" > \"${VISTEL_MARK:-/dev/null}\"\n");
    dir.write(base + "/Files/vistel.ico", ico);
    dir.write(base + "/Files/language0.dat", "[Language]\r\nLanguage=0\r\n");
    dir.write(base + "/Files/autorun_classic.inf", "[autorun]\r\nopen=vistel.exe\r\n");
    dir.write(base + "/Files/tarnic.txt", "Made with Tarnic - Vardeo\r\n");
    for (int n = 1; n <= 14; ++n)
        dir.write(base + "/Files/m_icons/3/m" + std::to_string(n) + ".ico", ico);
    for (int n = 1; n <= 27; ++n)
        dir.write(base + "/Files/Flag/flag" + std::to_string(n) + ".bmp",
                  tarnic::encodeBmp24(solid(4, 3, 0xFF0000FFu)));
    dir.write(base + "/Files/rank/1.cfg",
              "[general]\r\nname=Stars\r\nnr=1\r\n[range]\r\nnr=2\r\n[range1]\r\nstart=0\r\nend=49\r\n"
              "pic=1.gif\r\n[range2]\r\nstart=50\r\nend=100\r\npic=2.gif\r\n");
    dir.write(base + "/Files/rank/1/1.gif", "GIF89a-one");
    dir.write(base + "/Files/rank/1/2.gif", "GIF89a-two");
    for (const auto* list : {&defaultSkinElements(), &extraSkinElements()})
        for (const std::string& name : *list)
            dir.write(base + "/Skins/_default/" + name,
                      name.ends_with(".jpg") ? jpg : "default " + name);
}

} // namespace vardeo::test
