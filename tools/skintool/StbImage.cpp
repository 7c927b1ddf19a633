// stb_image, built for the two formats the skin tool imports (PNG and the
// direct-colour rows of Windows bitmaps), and the one call into it.
#include <algorithm>
#include <cstring>
#include <memory>

#include "tools/skintool/ImportDecoders.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_FAILURE_USERMSG
// The same bound as our own headers, so stb never allocates for more.
#define STBI_MAX_DIMENSIONS 16384
#include <stb_image.h>

namespace ventro::import {

namespace {

// Presents header followed by body as one stream.
struct JoinedSource {
    std::span<const uint8_t> Header;
    std::span<const uint8_t> Body;
    size_t Position = 0;

    size_t Size() const { return Header.size() + Body.size(); }
    size_t Read(uint8_t* out, size_t count)
    {
        size_t done = 0;
        while (done < count && Position < Size()) {
            bool inHeader = Position < Header.size();
            std::span<const uint8_t> part = inHeader ? Header : Body;
            size_t offset = inHeader ? Position : Position - Header.size();
            size_t n = std::min(count - done, part.size() - offset);
            std::memcpy(out + done, part.data() + offset, n);
            done += n;
            Position += n;
        }
        return done;
    }
};

int ReadCallback(void* user, char* data, int size)
{
    return int(static_cast<JoinedSource*>(user)->Read(reinterpret_cast<uint8_t*>(data), size_t(std::max(size, 0))));
}
void SkipCallback(void* user, int n)
{
    auto* source = static_cast<JoinedSource*>(user);
    // stb only skips forward; a negative count is treated as none.
    source->Position = std::min(source->Size(), source->Position + size_t(std::max(n, 0)));
}
int EofCallback(void* user)
{
    auto* source = static_cast<JoinedSource*>(user);
    return source->Position >= source->Size();
}

struct StbFree {
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

} // namespace

PixelBuffer StbDecode(std::span<const uint8_t> header, std::span<const uint8_t> body, int32_t width, int32_t height)
{
    JoinedSource source { header, body };
    stbi_io_callbacks callbacks { ReadCallback, SkipCallback, EofCallback };
    int w = 0, h = 0, channels = 0;
    std::unique_ptr<stbi_uc, StbFree> rgb(stbi_load_from_callbacks(&callbacks, &source, &w, &h, &channels, 3));
    if (!rgb) {
        const char* reason = stbi_failure_reason();
        throw EInvalidGraphic(std::string("Image data is not valid (") + (reason ? reason : "unknown") + ")");
    }
    if (w != width || h != height)
        throw EInvalidGraphic("Image size is not valid");
    PixelBuffer pixels(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const stbi_uc* src = rgb.get() + size_t(y) * size_t(width) * 3;
        uint8_t* dst = pixels.Row(y);
        for (int32_t x = 0; x < width; ++x) {
            dst[x * 3] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3];
        }
    }
    return pixels;
}

} // namespace ventro::import
