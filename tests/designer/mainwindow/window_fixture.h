#pragma once
// A throwaway program folder with the designer's language files, a default
// skin, a category file, a design file and a small project; the window runs
// offscreen with pre-answered message boxes.

#include "../project/project_fixtures.h"
#include "designer/language/dialog_runner.h"
#include "designer/language/message_service.h"
#include "designer/mainwindow/main_window.h"
#include "support/temp_dir.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace vardeo::test {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "vardeo-tests";
    static char* argv[] = {name, nullptr};
    static auto* instance = new QApplication(argc, argv);
    return *instance;
}

inline const char* kEnglish =
    "[Grid]\r\nG1=Name\r\nG2=File Name\r\nG3=CD Path\r\nG4=Serial\r\nG5=CD Size\r\nG6=HD Size\r\n"
    "G7=Description\r\nG8=Category\r\nG9=Copy\r\nG10=File Source Location\r\nG11=Homepage\r\n"
    "G12=Execute\r\nG13=Rating\r\nG14=Language\r\nG15=System\r\nG16=Parameter\r\n"
    "[Texts]\r\nT22=Tarnic - Vardeo -\r\nT26=(no CD name)\r\nT57=Yes\r\nT58=No\r\nT60=Jump Point\r\nT61=Folder\r\nTYES=yes\r\nTNO=no\r\n"
    "[Messages]\r\nM1=Please open a project first.\r\nM28=Save changes?\r\nM31=no\r\nM32=no\r\n"
    "M33=no\r\nM34=no\r\nM36=Not found.\r\nM37=Show all columns first.\r\nM74=no\r\n";
inline const char* kGerman =
    "[Grid]\r\nG1=Name\r\nG2=Dateiname\r\nG3=CD-Pfad\r\nG4=Seriennummer\r\nG5=CD-Gr\xF6\xDF" "e\r\n"
    "G6=HD-Gr\xF6\xDF" "e\r\nG7=Beschreibung\r\nG8=Kategorie\r\nG9=Kopieren\r\nG10=Quelldatei\r\n"
    "G11=Homepage\r\nG12=Ausf\xFChren\r\nG13=Bewertung\r\nG14=Sprache\r\nG15=System\r\nG16=Parameter\r\n"
    "[Texts]\r\nTYES=ja\r\nTNO=nein\r\n";

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        dir.write("Files/lang_1.dat", kEnglish);
        dir.write("Files/lang_2.dat", kGerman);
        dir.write("Skins/_default/skin.jpg", "x");
        dir.write("genre/games.cmg", cmgText({{1, "Games"}, {1, "Tools"}, {2, "Ver. 2"}}));
        dir.write("menudesign/blue.mos", "[general]\r\n");
        dir.write("cd/tools/setup.exe", "binary");
        std::filesystem::create_directories(dir / "projects");
        ProjectHeader h;
        h.cdName = "My CD";
        h.projectFolder = (dir / "cd").string();
        h.categoryFile = (dir / "genre/games.cmg").string();
        h.categoryName = "games";
        h.categoryExt = ".cmg";
        h.designFile = (dir / "menudesign/blue.mos").string();
        h.designName = "blue";
        h.designExt = ".mos";
        const auto cats = CategoryList({"Games", "Tools", ".Ver. 2"});
        ASSERT_TRUE(writeProject(project(), h,
                                 {makeItem("Zeta", "Tools"), makeItem("Alpha", "Games", "no", "yes"),
                                  makeItem("Beta", "Tools"), makeItem("Gamma", "Games")},
                                 cats, LocalWords{})
                        .ok());
        answers = std::make_unique<ScriptedAnswers>();
        messages().clearLog();
        setModalHook([](QDialog&) { return int(QDialog::Rejected); });
    }
    void TearDown() override {
        window.reset();
        setModalHook({});
        setFileDialogHook({});
        answers.reset();
    }
    std::filesystem::path project() const { return dir / "projects/demo.mof"; }
    Tform1& open() {
        window = std::make_unique<Tform1>(dir.path());
        EXPECT_TRUE(window->startUp(QString::fromStdString(project().string())));
        return *window;
    }
    std::vector<QString> shownKeys() const {
        std::vector<QString> keys;
        for (const auto& m : messages().log())
            keys.push_back(m.key);
        return keys;
    }

    tarnic::test::TempDir dir;
    std::unique_ptr<ScriptedAnswers> answers;
    std::unique_ptr<Tform1> window;
};

} // namespace vardeo::test
