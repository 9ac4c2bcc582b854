// Category file reader as the build uses it: the category list, the stored
// index of every entry, the rating ranges and the data set numbering input.
#include "designer/build/data_set.h"
#include "designer/project/category_list.h"
#include "shared/ini_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarnic::IniFile ini = tarnic::IniFile::fromBytes(bytes);
    const vardeo::CategoryList list = vardeo::CategoryList::fromIni(ini);
    if (list.size() > vardeo::kMaxCategories)
        std::abort();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto last = list.lastIndexOf(list.stripped(i));
        if (!last || *last < i || list.stripped(*last) != list.stripped(i))
            std::abort();
        (void)list.resolve(std::to_string(i), list.entries()[i]);
    }
    // The same bytes read as a rating set file.
    const vardeo::RatingSet rating = vardeo::RatingSet::fromIni(ini);
    (void)rating.pictureFor("050 %");
    (void)rating.pictures();
    (void)vardeo::iconClass(bytes.substr(0, 64));
    return 0;
}
