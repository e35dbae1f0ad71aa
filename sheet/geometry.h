#pragma once
// Design geometry of a calculation window's inner area, in pixels at 96 dpi
// (15 twips a pixel); the resizer scales it with the window. Plain numbers: the
// descriptors place their own labels with them.
#include <QRect>

namespace SheetGeometry {
constexpr int kWidth = 640; // 9600 twips: the narrowest design width
constexpr int kHeight = 400;
constexpr int kGridTop = 56; // first visible row
constexpr int kRowHeight = 20;
constexpr int kGridLeft = 6;
constexpr int kNumberWidth = 40;
constexpr int kDeleteWidth = 18;
constexpr int kScrollWidth = 16;
constexpr int kGap = 2;
// Room under the grid for a window's own labels (hover displays, notes).
constexpr QRect kExtraSlotA(184, 373, 450, 14);
constexpr QRect kExtraSlotB(184, 387, 450, 13);

// The widest texts a cell shows whole in the grid's font at the design size: a
// signed nine-digit result, a datum of nine characters.
constexpr const char* kWidestResult = "-130208333";
constexpr const char* kWidestDatum = "123456789";

} // namespace SheetGeometry
