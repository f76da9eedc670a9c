#pragma once

#include "core/grid/CCellStore.h"
#include "core/grid/CCellType.h"
#include "core/grid/CGridCell.h"
#include "core/grid/GridTypes.h"
#include "core/grid/IGridCanvas.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The table behind both lists: columns with their defaults, rows of stored cells, the
// current cell, the scroll position and the geometry of the four painted parts. The window
// layer shows it and forwards mouse, keys and scrolling here; everything it decides lives
// here so that it runs without a window.
//
// Cells are addressed (column, row); row -1 is the top heading, column -1 the side heading.
// Operations return kOk, or kOutOfRange (changing nothing) for arguments out of range.
class CGridCtrl {
public:
    static constexpr int kOk = 0;
    static constexpr int kOutOfRange = 1;
    static constexpr int kVetoed = 2;

    // Pixel sizes at 96 dpi; the grid uses them scaled to its window's dpi (Scaled).
    static constexpr int kRowHeight = 20;
    static constexpr int kTopHeadingHeight = 20;
    static constexpr int kSideHeadingWidth = 40;
    static constexpr int kNewColumnWidth = 75;
    static constexpr int kMaxColumns = 32000;
    static constexpr int kTextMargin = 4;
    static constexpr int kCheckBoxType = 2;

    CGridCtrl();
    virtual ~CGridCtrl();
    CGridCtrl(const CGridCtrl&) = delete;
    CGridCtrl& operator=(const CGridCtrl&) = delete;

    // Set-up.
    // The dots per inch of the grid's window; sizes and column widths follow it. 96 at first.
    void SetDpi(int dpi);
    int Dpi() const { return dpi; }
    int Scaled(int pixelsAt96) const { return ScaleForDpi(pixelsAt96, dpi); }
    int RowHeight() const { return Scaled(kRowHeight); }
    int TopHeadingHeight() const { return Scaled(kTopHeadingHeight); }
    int SideHeadingWidth() const { return Scaled(kSideHeadingWidth); }
    int TextMargin() const { return Scaled(kTextMargin); }
    int SetDefaultFont(GridFont font);
    GridFont DefaultFont() const { return defaultFont; }
    int SetColumnCount(int count, bool redraw = true);
    int SetRowCount(int count, bool redraw = true);
    void SetVScrollTracking(int on) { vScrollTracking = on != 0; }
    void SetHScrollTracking(int on) { hScrollTracking = on != 0; }
    bool VScrollTracking() const { return vScrollTracking; }
    bool HScrollTracking() const { return hScrollTracking; }
    int SetCurrentCellStyle(int style);
    int CurrentCellStyle() const { return currentCellStyle; }
    void SetRowHighlight(int on) { rowHighlight = on != 0; }
    bool RowHighlight() const { return rowHighlight; }
    // Per-row heights are never switched on by the program; every row is kRowHeight high.
    void SetUniformRowHeights(int on) { uniformRowHeights = on != 0; }
    void SetMultiSelect(int on) { multiSelect = on != 0; }
    void SetDoubleBuffered(int on) { doubleBuffered = on != 0; }
    bool DoubleBuffered() const { return doubleBuffered; }
    void SetTextOverflow(int on) { textOverflow = on != 0; }
    bool TextOverflow() const { return textOverflow; }
    void SetHintsEnabled(int on);
    bool HintsEnabled() const { return hintsEnabled; }
    void GetGridDefault(CGridCell& cell) const { cell.Replace(gridDefault); }
    void SetGridDefault(const CGridCell& cell) { gridDefault.Merge(cell); }
    int GetColumnDefault(int column, CGridCell& cell) const;
    int SetColumnDefault(int column, const CGridCell& cell);
    const CGridCell& HeadingDefault() const { return headingDefault; }

    // Data.
    int RowCount() const { return cells.RowCount(); }
    int ColumnCount() const { return static_cast<int>(columns.size()); }
    int AppendRow();
    int RemoveRow(int row);
    // Exactly what was written at (column, row): no column default, no decoration.
    int ReadCell(int column, int row, CGridCell& cell) const;
    int WriteCell(int column, int row, const CGridCell& cell);
    int SetCellText(int column, int row, std::u16string_view text);
    int SetCellLabel(int column, int row, std::u16string_view text);
    // The stored text, or nothing when the cell has none or is out of range. A copy, so it
    // stays valid whatever is called next.
    std::optional<std::u16string> CellText(int column, int row);
    // Defaults, then what was stored, then DecorateCell: the cell as it is drawn.
    void EffectiveCell(int column, int row, CGridCell& cell) const;
    const CCellType& CellTypeOf(const CGridCell& effective) const;
    int CellTypeCount() const { return static_cast<int>(cellTypes.size()); }
    const CCellType& CellTypeAt(int index) const { return *cellTypes[static_cast<size_t>(index)]; }
    // Exchanges the whole stored cells of two rows in every column.
    int SwapRows(int a, int b, bool repaint);
    // Drops the selection, empties the rows without drawing, then repaints everything.
    void RemoveAllRows();

    // Display and position.
    void RepaintAll();
    int RepaintCell(int column, int row);
    int RepaintRow(int row);
    int CurrentColumn() const { return currentColumn; }
    int CurrentRow() const { return currentRow; }
    int MoveToRow(int row);
    int MoveToColumn(int column);
    // Makes (column, row) current in one step, scrolling it into view.
    int MoveTo(int column, int row);
    int FirstSelectedCell(int& column, int& row) const;
    void ClearSelection() {}
    bool IsHighlighted(int column, int row) const;

    // Columns and their widths.
    int ColumnWidth(int column) const;
    int SetColumnWidth(int column, int width);
    // Spreads the cell area's width over columns first..last in their current proportions.
    int FitColumnsToWidth(int first, int last);
    int FitAllColumns() { return FitColumnsToWidth(0, ColumnCount() - 1); }

    // Geometry; the window reports the cell area's client size and the scroll-bar arrow width.
    void SetView(IGridView* view) { this->view = view; }
    void SetViewSize(int width, int height);
    int ViewWidth() const { return viewWidth; }
    int ViewHeight() const { return viewHeight; }
    void SetScrollArrowWidth(int width) { arrowWidth = width; }
    int TopRow() const { return topRow; }
    int LeftColumn() const { return leftColumn; }
    void SetTopRow(int row);
    void SetLeftColumn(int column);
    int MaxTopRow() const;
    int MaxLeftColumn() const;
    // Rows that fit whole into the cell area, at least 1.
    int PageRows() const;
    // Rows and columns with at least one pixel in the cell area: [first, last).
    int LastVisibleRow() const;
    int LastVisibleColumn() const;
    // The rectangle of a cell in the coordinates of the part that shows it.
    GridRect CellRect(int column, int row) const;
    GridPart PartOf(int column, int row) const;
    // The cell under a point of the cell area; false over empty space.
    bool CellAt(GridPoint point, int& column, int& row) const;
    // The column whose right border lies within a few pixels of x in the top heading, or -1.
    int ColumnBorderAt(int x) const;
    int ColumnLeft(int column) const;

    // Input, in cell-area coordinates.
    void OnLButtonDown(GridPoint point);
    void OnLButtonUp(GridPoint point);
    void OnLButtonDblClk(GridPoint point);
    // True when the key was used.
    bool OnKeyDown(int key, bool ctrl);
    // Three rows a notch (120), up for a positive delta; parts of a notch add up.
    void OnMouseWheel(int delta);
    // One column a notch, to the right for a positive delta; parts of a notch add up.
    void OnMouseHWheel(int delta);
    // The hint of the cell under a point of the cell area, at most kMaxHintLength units.
    std::u16string HintAt(GridPoint point);
    static constexpr size_t kMaxHintLength = 79; // the platform's 80-unit buffer, NUL included

    // Painting through a canvas; only what lies in `dirty` is built and drawn.
    void Paint(GridPart part, IGridCanvas& canvas, const GridRect& dirty) const;

    // Hooks; the base versions allow everything and do nothing.
    virtual void SetupHook() {}
    virtual bool AllowRowResize(int /*row*/) { return true; }
    virtual bool AllowTopHeadingResize() { return true; }
    virtual bool AllowSideHeadingResize() { return true; }
    virtual void CurrentCellChanged(int /*oldColumn*/, int /*newColumn*/, int /*oldRow*/,
                                    int /*newRow*/) {}
    virtual void CellDoubleClicked(int /*column*/, int /*row*/, const GridRect& /*rect*/,
                                   GridPoint /*point*/, bool /*handled*/) {}
    virtual void DecorateCell(int /*column*/, int /*row*/, CGridCell& /*cell*/) const {}
    virtual bool CellTypeEvent(int /*type*/, int /*column*/, int /*row*/, int /*code*/,
                               int /*param*/) {
        return true;
    }
    virtual bool HintText(int column, int row, int extra, std::u16string& text);
    virtual void PaintFocusFrame(IGridCanvas& canvas, const GridRect& rect) const;

protected:
    // The scratch cell that SetCellText, SetCellLabel and CellText read into, as do the
    // operations of derived grids.
    CGridCell scratch;

    bool InRange(int column, int row) const;

private:
    struct Column {
        int width = kNewColumnWidth;
        CGridCell defaults;
        int source = 0;
    };

    void SetCurrent(int column, int row);
    void ScrollIntoView(int column, int row);
    void Invalidate(GridPart part, const GridRect* area) const;
    void RangeChanged() const;
    void PaintCells(IGridCanvas& canvas, const GridRect& dirty) const;
    void PaintTopHeading(IGridCanvas& canvas, const GridRect& dirty) const;
    void PaintSideHeading(IGridCanvas& canvas, const GridRect& dirty) const;
    void PaintOneCell(int column, int row, const GridRect& rect, IGridCanvas& canvas) const;

    std::vector<Column> columns;
    CCellStore cells;
    std::vector<std::unique_ptr<CCellType>> cellTypes;
    CGridCell gridDefault;
    CGridCell headingDefault;
    GridFont defaultFont = 0;
    IGridView* view = nullptr;

    int currentColumn = -1;
    int currentRow = -1;
    int previousColumn = -1;
    int previousRow = -1;
    int topRow = 0;
    int leftColumn = 0;
    int viewWidth = 0;
    int viewHeight = 0;
    int arrowWidth = 0;
    int dpi = 96;
    int wheelPending = 0; // turned but not yet a notch
    int hWheelPending = 0;

    int currentCellStyle = 1;
    bool vScrollTracking = false;
    bool hScrollTracking = false;
    bool rowHighlight = false;
    bool uniformRowHeights = true;
    bool multiSelect = false;
    bool doubleBuffered = false;
    bool textOverflow = true;
    bool hintsEnabled = false;
};
