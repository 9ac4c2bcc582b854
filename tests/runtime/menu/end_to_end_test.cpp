// A sample project built by vardeo-cli, then read by the menu. Skipped until
// the command-line tool can make a sample and build it.
#include "runtime/menu/menu_state.h"
#include "runtime/menu/vistel_form.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vistel {
namespace {

namespace fs = std::filesystem;

int run(const std::string& command) { return std::system(command.c_str()); }

std::optional<fs::path> findFile(const fs::path& base, const std::string& name) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(base, ec); !ec && it != fs::end(it); it.increment(ec))
        if (it->path().filename() == name || it->path().extension() == name)
            return it->path();
    return std::nullopt;
}

TEST(EndToEnd, BuiltSampleOpensInTheMenu) {
    tarnic::test::TempDir dir;
    const std::string cli = VARDEO_CLI_PATH;
    if (run("'" + cli + "' sample '" + dir.path().string() + "' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "vardeo-cli sample is not available yet";
    const auto project = findFile(dir.path(), ".mof");
    if (!project)
        GTEST_SKIP() << "vardeo-cli sample wrote no project";
    if (run("'" + cli + "' build '" + project->string() + "' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "vardeo-cli build is not available yet";
    const auto genre = findFile(dir.path(), "genre.cfg");
    ASSERT_TRUE(genre) << "the build wrote no cfg/genre.cfg";
    const fs::path root = genre->parent_path().parent_path();

    const RuntimeFolders folders = computeFolders(root);
    MenuState state(folders, MenuLanguage::load(folders.languageFile(), 1));
    state.loadCategories();
    state.start();
    EXPECT_FALSE(state.categories().empty());
    EXPECT_GT(state.categoryCount(), 0);
    EXPECT_TRUE(state.takeErrors().empty());

    static int argc = 1;
    static char name[] = "e2e";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
    Tvistel_form form(root);
    std::vector<QString> messages;
    form.setMessageHook([&](const QString&, const QString& t) { messages.push_back(t); });
    form.setLaunchHook([](const LaunchRequest&) {});
    form.show();
    const bool started = form.startUp(false);
    form.grab().save(QString::fromLatin1(SHOT_DIR) + QStringLiteral("/vistel_end_to_end.png"));
    if (!fs::exists(fs::path(TARNIC_PROGRAM_FOLDER) / "Skins"))
        GTEST_SKIP() << "the program folder has no default skin yet";
    EXPECT_TRUE(started) << (messages.empty() ? "" : messages.front().toStdString());
    EXPECT_GT(form.findChild<QListWidget*>(QStringLiteral("genre"))->count(), 0);
}

} // namespace
} // namespace vistel
