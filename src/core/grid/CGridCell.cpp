#include "core/grid/CGridCell.h"

#include "core/grid/CheckState.h"

namespace {
const std::u16string kEmpty;
}

void CGridCell::Merge(const CGridCell& s) {
    if (s.Has(kText)) text = s.text;
    if (s.Has(kLabel)) label = s.label;
    mask |= s.mask & (kText | kLabel);
    MergeValues(s);
}

void CGridCell::MergeValues(const CGridCell& s) {
    if (s.Has(kDataType)) dataType = s.dataType;
    if (s.Has(kCellType)) cellType = s.cellType;
    if (s.Has(kCellTypeStyle)) cellTypeStyle = s.cellTypeStyle;
    if (s.Has(kTextColour)) textColour = s.textColour;
    if (s.Has(kBackColour)) backColour = s.backColour;
    if (s.Has(kHighlightTextColour)) hiText = s.hiText;
    if (s.Has(kHighlightBackColour)) hiBack = s.hiBack;
    if (s.Has(kBorder)) border = s.border;
    if (s.Has(kBorderPen)) borderPen = s.borderPen;
    if (s.Has(kFont)) font = s.font;
    if (s.Has(kAlignment)) alignment = s.alignment;
    if (s.Has(kReadOnly)) readOnly = s.readOnly;
    if (s.Has(kDecimals)) decimals = s.decimals;
    mask |= s.mask & ~(kText | kLabel);
}

void CGridCell::Replace(const CGridCell& source) {
    mask = source.mask;
    Merge(source);
}

const std::u16string& CGridCell::Text() const { return Has(kText) ? text : kEmpty; }
const std::u16string& CGridCell::Label() const { return Has(kLabel) ? label : kEmpty; }

GridColour CGridCell::HighlightTextColour() const {
    return Has(kHighlightTextColour) ? hiText : SysColour::kHighlightText;
}

GridColour CGridCell::HighlightBackColour() const {
    return Has(kHighlightBackColour) ? hiBack : SysColour::kHighlight;
}

void CGridCell::SetText(std::u16string_view value) {
    text.assign(value);
    mask |= kText;
}

void CGridCell::SetLabel(std::u16string_view value) {
    label.assign(value);
    mask |= kLabel;
}

double CGridCell::Number() const { return Has(kText) ? ParseNumber(text) : 0.0; }

void CGridCell::SetNumber(double value) {
    SetText(FormatNumber(value, Decimals()));
    SetDataType(kTypeNumber);
}
