// The linking of the allele cells. The four cells of a row show one allele:
// position 1 in the parent, 2 in the gamete, 3 and 4 in the two children that
// inherit it. A change of any of them is copied to the other three.
//
// Each copy is an ordinary SetText, so it runs the target's own change
// handler inside the set; the equal-text guard of SetText is what ends the
// cascade, after at most four handlers and three changed cells.
#pragma once

#include <array>

#include "toolkit/Edit.h"

using RowCells = std::array<TEdit*, 4>;

// Copies the text of the cell at `position` (1 to 4) to the other three
// cells of its row, in ascending order, reading its own text afresh each time.
void CopyToRow(const RowCells& row, int position);

// Empties the cells in the order given; each set links like any other change.
template <std::size_t N>
void EmptyCells(const std::array<TEdit*, N>& cells)
{
    for (TEdit* cell : cells)
        cell->SetText(String());
}
