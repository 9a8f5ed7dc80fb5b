// Images the program carries, embedded from resources/images at build time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qinglan::resources {

extern const std::uint8_t window_background_jpg[];
extern const std::size_t window_background_jpg_size;

// The window background: a 465 x 250 JPEG of pale cyan paper.
inline std::span<const std::uint8_t> WindowBackgroundImage() {
    return {window_background_jpg, window_background_jpg_size};
}

}  // namespace qinglan::resources
