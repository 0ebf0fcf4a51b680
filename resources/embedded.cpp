// Accessors for the byte arrays that the build generates from the files in resources/.
#include "resources/embedded.h"

#include <cstddef>

extern const std::uint8_t corvaneSkinBmp[];
extern const std::size_t corvaneSkinBmp_size;
extern const std::uint8_t corvaneIconPng32[];
extern const std::size_t corvaneIconPng32_size;
extern const std::uint8_t corvaneIconPng48[];
extern const std::size_t corvaneIconPng48_size;
extern const std::uint8_t corvaneIconPng128[];
extern const std::size_t corvaneIconPng128_size;
extern const std::uint8_t corvaneIconPng256[];
extern const std::size_t corvaneIconPng256_size;

namespace corvane {

std::span<const std::uint8_t> embeddedSkinBitmap() { return {corvaneSkinBmp, corvaneSkinBmp_size}; }

std::span<const std::uint8_t> embeddedIconPng(int size) {
  switch (size) {
    case 32: return {corvaneIconPng32, corvaneIconPng32_size};
    case 48: return {corvaneIconPng48, corvaneIconPng48_size};
    case 128: return {corvaneIconPng128, corvaneIconPng128_size};
    case 256: return {corvaneIconPng256, corvaneIconPng256_size};
    default: return {};
  }
}

}  // namespace corvane
