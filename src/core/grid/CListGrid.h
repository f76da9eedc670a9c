#pragma once

#include "core/grid/CGridCtrl.h"

#include <functional>
#include <optional>
#include <string>

// The program's grid, used for both lists: fixed row and heading sizes, row numbers, the
// heading of the current column and the number of the current row in light yellow, labels
// as hints, no focus frame, and the tick operations the commands use.
class CListGrid : public CGridCtrl {
public:
    static constexpr size_t kHintCut = 76; // a longer label shows as its first 76 units + "..."

    // The label of a cell, or nothing.
    std::optional<std::u16string> CellPath(int column, int row);
    bool IsTicked(int column, int row);
    // Text "1" or "0", boolean; no repaint.
    int SetTicked(int column, int row, bool ticked);

    // What a double click on a labelled cell hands on (opening a result file).
    void SetOpenHandler(std::function<void(const std::u16string&)> handler) {
        openHandler = std::move(handler);
    }

    void SetupHook() override;
    bool AllowRowResize(int) override { return false; }
    bool AllowTopHeadingResize() override { return false; }
    bool AllowSideHeadingResize() override { return false; }
    void DecorateCell(int column, int row, CGridCell& cell) const override;
    void CurrentCellChanged(int oldColumn, int newColumn, int oldRow, int newRow) override;
    void CellDoubleClicked(int column, int row, const GridRect& rect, GridPoint point,
                           bool handled) override;
    bool HintText(int column, int row, int extra, std::u16string& text) override;
    void PaintFocusFrame(IGridCanvas&, const GridRect&) const override {}

    // A label as its hint: whole up to 79 units, else cut to 76 and "...".
    static std::u16string HintForLabel(const std::u16string& label);

private:
    std::function<void(const std::u16string&)> openHandler;
};
