// JPEG to BMP conversion of skin pictures: any bytes either fail with an
// error or give a bitmap that reads back as the decoded picture.
#include "shared/picture.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto image = tarnic::decodeJpeg(bytes, "fuzz.jpg");
    if (!image) {
        if (image.error().what.empty())
            std::abort();
        return 0;
    }
    if (static_cast<long long>(image->width) * image->height > 4096LL * 4096LL)
        return 0; // a huge but valid picture only costs time
    const auto back = tarnic::decodeBmp(tarnic::encodeBmp24(*image));
    if (!back || back->width != image->width || back->height != image->height)
        std::abort();
    for (std::size_t i = 0; i < image->rgba.size(); i += 4)
        for (std::size_t c = 0; c < 3; ++c)
            if (back->rgba[i + c] != image->rgba[i + c])
                std::abort();
    return 0;
}
