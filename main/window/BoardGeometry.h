#pragma once

#include <QRect>

// Client area and off-screen bitmap geometry.
inline constexpr QRect BufferRect{0, 0, 556, 420};
inline constexpr QRect FieldRect{8, 8, 540, 364};
inline constexpr QRect MessageRect{8, 380, 540, 32};
