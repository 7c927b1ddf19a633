// Fuzz target: a stored skin's compressed data (one bare zlib stream). The
// whole-buffer inflater and the stream helper must agree on every input, and
// reading the skin stream while inflating must end as inflating first does.
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "fuzz/SkinFuzzCommon.h"

namespace {

std::optional<std::vector<uint8_t>> ViaStream(std::span<const uint8_t> bytes)
{
    try {
        ventro::TMemoryStream source(bytes);
        ventro::TMemoryStream destination;
        ventro::DecompressStream(destination, source, ventro::FuzzInflateCap);
        return std::move(destination.Bytes());
    } catch (const ventro::EDecompressionError&) {
        return std::nullopt;
    }
}

// The skin stream as bytes (its version alone when unreadable); nothing when
// decoding failed.
std::optional<std::vector<uint8_t>> Outcome(const std::function<ventro::SkinStreamContent()>& decode)
{
    try {
        ventro::SkinStreamContent c = decode();
        if (c.Version > ventro::SkinStreamVersion)
            return std::vector<uint8_t> { uint8_t(c.Version) };
        return ventro::WriteSkinStream(c);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const uint8_t> bytes(data, size);
    std::optional<std::vector<uint8_t>> inflated = ventro::FuzzInflate(bytes);
    if (inflated != ViaStream(bytes))
        std::abort();
    if (inflated) {
        try {
            ventro::FuzzLoadSkinStream(*inflated);
        } catch (const std::exception&) {
        }
    }
    auto twoSteps = inflated ? Outcome([&] { return ventro::ReadSkinStream(*inflated); }) : std::nullopt;
    auto streamed = Outcome([&] { return ventro::InflateSkinStream(bytes, ventro::FuzzInflateCap); });
    if (twoSteps != streamed)
        std::abort();
    // The stream wrapper's seeks on the same bytes: forward skip and rewind.
    try {
        ventro::TMemoryStream source(bytes);
        ventro::TDecompressionStream z(source);
        z.Seek(100, ventro::SeekOrigin::Current);
        z.Seek(0, ventro::SeekOrigin::Beginning);
        uint8_t buffer[512];
        (void)z.Read(buffer, sizeof buffer);
    } catch (const std::exception&) {
    }
    return 0;
}
