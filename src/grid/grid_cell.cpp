#include "grid/grid_cell.h"

#include "grid/grid_data.h"

void GridCell::SetText(std::string_view text) {
    UpdateScope update(Grid->Host());
    if (Text == text) return;
    Text = text;
    Grid->Host().CellTextChanged(*this);
}
