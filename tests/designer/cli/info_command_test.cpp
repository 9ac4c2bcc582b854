#include "designer/cli/cli_app.h"
#include "project_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

using namespace vardeo;
namespace fs = std::filesystem;
using tarnic::test::TempDir;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

class InfoTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path project;

    void SetUp() override {
        dir.write("cd/cats.cmg", test::cmgText({{1, "Spiele"}, {2, "Action"}}));
        dir.write("cd/look.mos", "[Form]\r\n");
        ProjectHeader h;
        h.cdName = "Demo \xC4";
        h.projectFolder = (dir / "cd").string();
        h.categoryFile = (dir / "cd/cats.cmg").string();
        h.designFile = (dir / "cd/look.mos").string();
        h.memberIconSet = 4;
        auto item = test::makeItem("M\xFC" "ller", "Action", "Ja", "no");
        item[Field::Parameter] = "#";
        project = dir / "cd/demo.mof";
        ASSERT_TRUE(writeProject(project, h, {item}, *CategoryList::load(dir / "cd/cats.cmg"), LocalWords{}).ok());
    }
};

TEST_F(InfoTest, JsonHasTheHeaderAndItemsAsTheDesignerShowsThem) {
    const CliRun r = runCli({"info", project.string(), "--json", "--program-folder", (dir / "prog").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["header"]["cdName"], "Demo \xC3\x84");
    EXPECT_EQ(j["header"]["memberIconSet"], 4);
    EXPECT_EQ(j["header"]["categoryFile"], (dir / "cd/cats.cmg").string());
    ASSERT_EQ(j["items"].size(), 1u);
    EXPECT_EQ(j["items"][0]["Name"], "M\xC3\xBCller");
    EXPECT_EQ(j["items"][0]["Copy"], "yes");
    EXPECT_EQ(j["items"][0]["Parameter"], "n/a");
    EXPECT_EQ(j["items"][0]["Category"], "Action");
    EXPECT_EQ(j["items"][0].size(), 16u);
    EXPECT_FALSE(fs::exists(dir / "cd/demo.tmp")); // reading leaves no working copy
}

TEST_F(InfoTest, WhereTheDesignerWouldAskTheCliStops) {
    fs::remove(dir / "cd/cats.cmg");
    const CliRun r = runCli({"info", project.string(), "--program-folder", (dir / "prog").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("category file"), std::string::npos);
    const CliRun bad = runCli({"info", (dir / "cd/look.mos").string()});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("look.mos"), std::string::npos);
    EXPECT_EQ(runCli({"info"}).status, 1);
}

TEST_F(InfoTest, RealBinarySmoke) {
    const std::string cmd = std::string(VARDEO_CLI_PATH) + " info '" + project.string() + "' --json";
    FILE* pipe = ::popen(cmd.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    while (size_t n = std::fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(nlohmann::json::parse(out)["items"].size(), 1u);
}

} // namespace
