#pragma once
#include "grid/grid_data.h"

// Where painting puts things; pure arithmetic on the model, shared by the painter and tests.

// width / 2 rounded half to even, as the processor rounds: 1 -> 0, 3 -> 2, 5 -> 2.
DevicePx HalfToEven(DevicePx width);

// The pixels each of a cell's four lines takes inside the cell's rectangle, at the grid's
// scale. A line between two cells is as wide as the wider of the two facing lines and is
// split between them: the cell right of or below it takes the larger half.
DeviceSides CellLineStrips(const XLGridData& grid, int col, int row);

// The columns and rows painted: the fully visible ones plus one partly visible each.
GridRect PaintedCells(const XLGridData& grid);

// The rectangle round the current cell or the selection.
DeviceRect SelectionFrame(const XLGridData& grid);

// Whether the selection covers more than the current cell, so that it gets a frame.
bool SelectionBeyondCurCell(const XLGridData& grid);
