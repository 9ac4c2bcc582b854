// Project file reader: any bytes give a project or an error, never a crash,
// and what was read writes and reads back the same.
#include "designer/project/project_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const vardeo::CategoryList categories({"Games", ".Action", "Tools"});
    auto contents = vardeo::parseProject(bytes, "fuzz.mof", categories);
    if (!contents.ok())
        return 0;
    const std::string again =
        vardeo::serialiseProject(contents->header, contents->items, categories, vardeo::LocalWords{});
    auto back = vardeo::parseProject(again, "again.mof", categories);
    if (!back.ok() || back->items.size() != contents->items.size())
        std::abort();
    return 0;
}
