// The Adler-32 checksum of zlib streams, computed sixteen bytes at a time
// where the processor allows it.
#pragma once
#include <cstdint>
#include <span>

namespace ventro {

// The checksum of bytes continued from adler (1 starts a new one).
uint32_t Adler32(uint32_t adler, std::span<const uint8_t> bytes);
// The same, one byte at a time: the reference the fast version is held to.
uint32_t Adler32Bytewise(uint32_t adler, std::span<const uint8_t> bytes);

} // namespace ventro
