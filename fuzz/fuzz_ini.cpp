// INI reader: any bytes parse, read back unchanged, and survive writes.
#include "shared/ini_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarnic::IniFile ini = tarnic::IniFile::fromBytes(bytes);
    if (ini.bytes() != bytes)
        std::abort(); // an unchanged file must keep its bytes
    for (const std::string& section : ini.sectionNames())
        for (const std::string& key : ini.keyNames(section)) {
            (void)ini.readInt(section, key, 0);
            (void)ini.readString(section, key, "");
        }
    ini.writeString("general", "anz_items", "3");
    ini.writeInt("0", "caption", 7);
    ini.eraseKey("general", "start");
    const tarnic::IniFile back = tarnic::IniFile::fromBytes(ini.bytes());
    if (back.readString("general", "anz_items", "") != "3")
        std::abort();
    return 0;
}
