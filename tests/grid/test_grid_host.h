#pragma once
#include <memory>
#include <ostream>
#include <vector>

#include "grid/grid_data.h"
#include "toolkit/pixels_print.h"

// A window-less host: a client size of our choosing, and a record of what the model asked
// of its window.
class TestGridHost : public GridHost {
public:
    DevicePx clientWidth = 331_dpx;
    DevicePx clientHeight = 81_dpx;
    DpiScale scale;
    int updateCount = 0;
    int repaints = 0;
    bool editOpen = false;
    bool refuseEdit = false;
    std::vector<std::pair<bool, bool>> endEdits;  // (save, force)
    GridScrollBar rowBar, colBar;
    std::vector<GridPoint> curCellEvents;
    std::vector<GridRect> selectionEvents;

    DevicePx ClientWidth() const override { return clientWidth; }
    DevicePx ClientHeight() const override { return clientHeight; }
    DpiScale DisplayScale() const override { return scale; }
    void BeginUpdate() override { ++updateCount; }
    void EndUpdate() override {
        updateCount = updateCount > 0 ? updateCount - 1 : 0;
        if (updateCount == 0) ++repaints;
    }
    bool EndEdit(bool save, bool force) override {
        if (!editOpen) return true;
        endEdits.emplace_back(save, force);
        if (refuseEdit && !force) return false;
        editOpen = false;
        return true;
    }
    void SetScrollBars(const GridScrollBar& rows, const GridScrollBar& cols) override {
        rowBar = rows;
        colBar = cols;
    }
    std::unique_ptr<GridCell> NewCell() override {
        auto cell = std::make_unique<GridCell>();
        cell->Color = SystemColor(5);
        return cell;
    }
    void CurCellChanged(GridPoint cell) override { curCellEvents.push_back(cell); }
    void SelectionChanged(const GridRect& selection) override { selectionEvents.push_back(selection); }

    void ForgetEvents() {
        curCellEvents.clear();
        selectionEvents.clear();
        endEdits.clear();
    }
};

// A grid built the way the control builds itself.
struct TestGrid {
    TestGridHost host;
    XLGridData grid{host};

    TestGrid(int cols, int rows, std::uint8_t options = 0) {
        grid.SetColCount(static_cast<std::uint16_t>(cols));
        grid.SetRowCount(static_cast<std::uint16_t>(rows));
        grid.SetOptions(options);
        grid.SetCurCell({0, 0});
        host.ForgetEvents();
    }

    // The main window's look: no row headers, widths 160/70/100, no left or top lines.
    void UseProgramLook() {
        grid.SetRowHeaderWidth(0_lpx);
        grid.SetLeftLineWidth(0_lpx);
        grid.SetTopLineWidth(0_lpx);
        const LayoutPx widths[] = {160_lpx, 70_lpx, 100_lpx};
        grid.SetColWidths(widths);
        host.ForgetEvents();
    }

    std::vector<GridPoint> SelectedCells() const {
        std::vector<GridPoint> cells;
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.ColCount(); ++col)
                if (grid.IsSelected(col, row)) cells.push_back({col, row});
        return cells;
    }
};

inline void PrintTo(const GridPoint& p, std::ostream* os) { *os << "(" << p.Col << ", " << p.Row << ")"; }
inline void PrintTo(const GridRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
template <class Unit>
void PrintTo(const Sides<Unit>& s, std::ostream* os) {
    *os << "(" << s.Left.Value << ", " << s.Top.Value << ", " << s.Right.Value << ", " << s.Bottom.Value << ")";
}
