#pragma once

#include "core/grid/IGridCanvas.h"

#include <string>
#include <vector>

// Keeps what a paint asked for, so a test can look at lines, fills and texts.
class RecordingCanvas : public IGridCanvas {
public:
    struct LineCall {
        GridPoint from, to;
        GridColour colour;
    };
    struct TextCall {
        GridRect box, clip;
        std::u16string text;
        GridColour colour;
    };
    struct FillCall {
        GridRect area;
        GridColour colour;
    };

    void FillRect(const GridRect& area, GridColour colour) override {
        fills.push_back({area, colour});
    }
    void Line(GridPoint from, GridPoint to, GridColour colour, GridPen) override {
        lines.push_back({from, to, colour});
    }
    void Text(const GridRect& box, const GridRect& clip, std::u16string_view text, GridFont,
              GridColour colour, int) override {
        texts.push_back({box, clip, std::u16string(text), colour});
    }
    void FocusRect(const GridRect&) override { ++focusRects; }

    int BlackLines() const {
        int n = 0;
        for (const LineCall& l : lines) n += l.colour == kBlack;
        return n;
    }

    std::vector<FillCall> fills;
    std::vector<LineCall> lines;
    std::vector<TextCall> texts;
    int focusRects = 0;
};

// Counts the invalidations a model sends to its window, and keeps their areas.
class CountingView : public IGridView {
public:
    void InvalidatePart(GridPart part, const GridRect* area) override {
        ++invalidations[static_cast<int>(part)];
        areas.push_back({part, area != nullptr, area ? *area : GridRect{}});
    }
    void ScrollRangeChanged() override { ++rangeChanges; }
    void ViewMoved() override { ++moves; }

    // Whether everything of `rect` in `part` was invalidated by one call.
    bool Covers(GridPart part, const GridRect& rect) const {
        for (const Area& a : areas)
            if (a.part == part &&
                (!a.bounded || (a.rect.left <= rect.left && a.rect.top <= rect.top &&
                                a.rect.right >= rect.right && a.rect.bottom >= rect.bottom)))
                return true;
        return false;
    }
    bool CoversWhole(GridPart part) const {
        for (const Area& a : areas)
            if (a.part == part && !a.bounded) return true;
        return false;
    }

    struct Area {
        GridPart part;
        bool bounded;
        GridRect rect;
    };
    int invalidations[4] = {};
    int rangeChanges = 0;
    int moves = 0;
    std::vector<Area> areas;
};
