#pragma once
// The CD build: turns the open project into a finished CD folder inside
// ProjectFolder (runtime, data set, design, icons, flags, rating pictures,
// autorun files), asks whether to start the built menu for a test, and the
// clean-up that removes a build again. Where the designer asks or tells the
// user, the build calls BuildPrompts, which the main window implements with
// message boxes and vardeo-cli with its options and streams.

#include "designer/build/build_input.h"
#include "designer/build/cd_folders.h"
#include "designer/build/data_set.h"
#include "shared/result.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vardeo {

namespace fs = std::filesystem;

enum class BuildStyle { Classic, Html };

class BuildPrompts {
public:
    virtual ~BuildPrompts() = default;
    // An error box: messageKey names a designer message ("M26") or is empty
    // when the error's own text is the message.
    virtual void reportError(std::string_view messageKey, const tarnic::Error& error) = 0;
    // An information box (M73).
    virtual void reportInformation(std::string_view messageKey) = 0;
    // A question with Yes and No (M27). True for Yes.
    virtual bool askYesNo(std::string_view messageKey) = 0;
    // Copies whose source existed but could not be made; the build went on.
    virtual void reportWarning(std::string_view text) { (void)text; }
    virtual void beginWait() {}
    virtual void endWait() {}
    // Starts the built menu: the CD's runtime program (classic) or its
    // index.htm (HTML). The default starts the program detached, without a
    // shell, in the CD root, and hands a page to xdg-open.
    virtual tarnic::Status startTestRun(BuildStyle style, const fs::path& target, const fs::path& root);
};

// The folders handed to the HTML pages writer.
struct HtmlBuildFolders {
    fs::path programFolder, root, skin, cfg, html;
};
using HtmlSteps = std::function<tarnic::Status(const HtmlBuildFolders&)>;

struct BuildReport {
    enum class Outcome { Built, NoProjectFolder, Failed };
    Outcome outcome = Outcome::Failed;
    DataSetReport dataSet;
    std::size_t categories = 0;
    std::size_t filesWritten = 0; // data set files, copies and converted pictures
    std::vector<std::string> failedCopies;
    std::vector<std::pair<std::string, std::string>> copies; // source, target of every copy made
    bool testRunStarted = false;
    fs::path root;
    [[nodiscard]] bool built() const { return outcome == Outcome::Built; }
};

// The 132 default skin element names in the order the build looks for them.
[[nodiscard]] const std::vector<std::string>& defaultSkinElements();
// Pictures the menu needs that the default list lacks; completed the same way.
[[nodiscard]] const std::vector<std::string>& extraSkinElements();
// The skin pictures converted from JPEG to BMP by the classic build.
inline constexpr std::array<std::string_view, 4> kBitmapSkinPictures = {"left", "sf_back", "splash",
                                                                        "top"};

// The CD root's autorun.sh: starts ./vistel, or a private copy of it where the
// medium does not allow executing programs.
[[nodiscard]] std::string autorunScript();

// Builds in the given style. HTML needs html (the pages writer); without it
// an HTML build stops with an error before anything is written.
BuildReport buildCd(const BuildInput& input, BuildStyle style, BuildPrompts& prompts,
                    const HtmlSteps& html = {});

// Removes cfg/ and the runtime files of either style from the CD root, then
// tells M73. Every other file of the project folder stays. False (after M26)
// when the project folder does not exist.
bool cleanUpCd(std::string_view projectFolder, BuildPrompts& prompts);

} // namespace vardeo
