// Field pieces shared by the DSS1 element decoders: the extension bit (bit 8) that ends or
// continues an octet group, and the test that an octet is there and ends its group.
#pragma once

#include <cstddef>

#include "report/field.hpp"
#include "report/octets.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

inline constexpr Label kExtensionLabel{" Extension..................... ",
                                       " Расширение.................... "};
inline constexpr Text kNoExtension{"no extension", "нет расширения"};
inline constexpr Text kContinues{"information continues in the next octet",
                                 "информация продолжается в следующем октете"};
inline constexpr Row kExtensionRows[] = {{0, kContinues}, {1, kNoExtension}};

// Bit 8 of an octet of a group: 0 the group goes on in the next octet, 1 it ends here.
inline constexpr Field kExtension{8, 8, kExtensionLabel, kExtensionRows};

// Bit 8 of an octet that is not part of an extension group (the Cause diagnostic): its
// line always says "no extension".
inline constexpr Field kNoExtensionField{8, 8, kExtensionLabel, {}, kNoExtension};

inline constexpr Text kReserved{"reserved", "резерв"};

// True when octet `i` (0-based) is whole and its bit 8 is 1: an octet that ends its group.
constexpr bool ends_group(const Octets& octets, std::size_t i) {
    return octets.has(i) && (octets[i] & 0x80) != 0;
}

}  // namespace tarn::dss1
