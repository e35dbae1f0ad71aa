#pragma once
// Design geometry of a calculation window's inner area, in pixels at 96 dpi
// (15 twips a pixel); the resizer scales it with the window.
#include <QRect>

namespace SheetGeometry {
constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr int kGridTop = 56; // first visible row
constexpr int kRowHeight = 20;
constexpr int kGridLeft = 6;
constexpr int kGridRight = 614; // the scroll bar lies to its right
// Room under the grid for a window's own labels (hover displays, notes).
constexpr QRect kExtraSlotA(184, 373, 450, 14);
constexpr QRect kExtraSlotB(184, 387, 450, 13);
} // namespace SheetGeometry
