#pragma once

#include "core/grid/GridTypes.h"

#include <cstdint>
#include <string>

// A cell value: optional properties and a mask that says which of them are set. An unset
// property reads as its default, so a cell can be laid over another (Merge) and only what
// it sets shows through.
class CGridCell {
public:
    enum : uint32_t {
        kText = 0x1,
        kLabel = 0x4,
        kDataType = 0x8,
        kCellType = 0x20,
        kCellTypeStyle = 0x40,
        kTextColour = 0x80,
        kBackColour = 0x100,
        kHighlightTextColour = 0x200,
        kHighlightBackColour = 0x400,
        kBorder = 0x800,
        kBorderPen = 0x1000,
        kFont = 0x2000,
        kAlignment = 0x8000,
        kReadOnly = 0x1000000,
        kDecimals = 0x2000000,
    };

    enum DataType : int16_t { kTypeText = 1, kTypeNumber = 2, kTypeBoolean = 3, kTypeNumeric = 5 };

    enum : int { kBorderLeft = 1, kBorderTop = 2, kBorderRight = 4, kBorderBottom = 8 };
    enum : int { kEdgeSunken = 0x1000, kEdgeRaised = 0x2000 };
    enum : int {
        kAlignLeft = 1,
        kAlignRight = 2,
        kAlignCentre = 4,
        kAlignBottom = 0x10,
        kAlignVCentre = 0x20
    };

    uint32_t Mask() const { return mask; }
    bool Has(uint32_t bits) const { return (mask & bits) == bits; }
    void ClearMask() { mask = 0; }
    void Unset(uint32_t bits) { mask &= ~bits; }

    // Copies the properties set in `source` and adds their bits to this mask.
    void Merge(const CGridCell& source);
    // Merge without the text and the label.
    void MergeValues(const CGridCell& source);
    // Takes the source's mask whole, then its properties.
    void Replace(const CGridCell& source);

    const std::u16string& Text() const;
    const std::u16string& Label() const;
    int16_t DataType() const { return Has(kDataType) ? dataType : int16_t{kTypeText}; }
    int CellType() const { return Has(kCellType) ? cellType : 0; }
    int CellTypeStyle() const { return Has(kCellTypeStyle) ? cellTypeStyle : 0; }
    GridColour TextColour() const { return Has(kTextColour) ? textColour : SysColour::kWindowText; }
    GridColour BackColour() const { return Has(kBackColour) ? backColour : SysColour::kWindow; }
    GridColour HighlightTextColour() const;
    GridColour HighlightBackColour() const;
    int Border() const { return Has(kBorder) ? border : 0; }
    GridPen BorderPen() const { return Has(kBorderPen) ? borderPen : 0; }
    GridFont Font() const { return Has(kFont) ? font : 0; }
    int Alignment() const { return Has(kAlignment) ? alignment : 0; }
    bool ReadOnly() const { return Has(kReadOnly) && readOnly != 0; }
    int Decimals() const { return Has(kDecimals) ? decimals : kDefaultDecimals; }

    void SetText(std::u16string_view value);
    void SetLabel(std::u16string_view value);
    void SetDataType(int16_t value) { Set(kDataType, dataType, value); }
    void SetCellType(int value) { Set(kCellType, cellType, value); }
    void SetCellTypeStyle(int value) { Set(kCellTypeStyle, cellTypeStyle, value); }
    void SetTextColour(GridColour value) { Set(kTextColour, textColour, value); }
    void SetBackColour(GridColour value) { Set(kBackColour, backColour, value); }
    void SetHighlightTextColour(GridColour value) { Set(kHighlightTextColour, hiText, value); }
    void SetHighlightBackColour(GridColour value) { Set(kHighlightBackColour, hiBack, value); }
    void SetBorder(int value) { Set(kBorder, border, value); }
    void SetBorderPen(GridPen value) { Set(kBorderPen, borderPen, value); }
    void SetFont(GridFont value) { Set(kFont, font, value); }
    void SetAlignment(int value) { Set(kAlignment, alignment, value); }
    void SetReadOnly(int value) { Set(kReadOnly, readOnly, value); }
    void SetDecimals(int value) { Set(kDecimals, decimals, value); }

    // The text read as a decimal number; no text or no number is 0.
    double Number() const;
    // Writes a number as text with the cell's decimals ("%lf" unless set) and makes the cell
    // numeric.
    void SetNumber(double value);

    static constexpr int kDefaultDecimals = 6;

private:
    template <class T, class V> void Set(uint32_t bit, T& field, V value) {
        field = static_cast<T>(value);
        mask |= bit;
    }

    uint32_t mask = 0;
    std::u16string text;
    std::u16string label;
    int16_t dataType = kTypeText;
    int cellType = 0;
    int cellTypeStyle = 0;
    GridColour textColour = 0;
    GridColour backColour = 0;
    GridColour hiText = 0;
    GridColour hiBack = 0;
    int border = 0;
    GridPen borderPen = 0;
    GridFont font = 0;
    int alignment = 0;
    int readOnly = 0;
    int decimals = kDefaultDecimals;
};
