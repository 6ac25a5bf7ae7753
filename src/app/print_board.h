// The board on paper: one page, the grid about 12 cm wide in the middle of it, thin lines between
// cells and thick ones around the blocks, clues bold and the player's entries regular, all black
// on white, and under the grid the level and the counter.
#pragma once

#include "midend/print_sheet.h"

class QPagedPaintDevice;

namespace kalmotre::app {

// Paints the sheet onto the device's current page (a printer, or a PDF writer).
void paintSheet(QPagedPaintDevice& device, const PrintSheet& sheet);

}  // namespace kalmotre::app
