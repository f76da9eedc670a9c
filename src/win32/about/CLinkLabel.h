#pragma once

#include "core/about/LinkLook.h"
#include "win32/about/CHoverStatic.h"

#include <string>

// A static text that is a hyperlink: underlined, sized to its text, blue until opened and
// purple after, lit while the pointer is over it; a click opens its URL through the shell
// and says why when that fails.
class CLinkLabel : public CHoverStatic {
public:
    CLinkLabel();

    LinkColours colours;
    int32_t visited = 0;     // the link was opened
    int32_t underline = 1;   // the label's font is underlined
    int32_t adjustToFit = 1; // the control is sized to its text

    // Takes over control `id` of `dialog`.
    bool Attach(HWND dialog, int id);
    void SetURL(const std::u16string& url);
    const std::u16string& URL() const { return url; }
    HFONT Font() const { return font.Get(); }
    LinkColour TextColour() const { return LinkTextColour(colours, over, visited); }
    void SizeToText();

protected:
    void OnClicked() override;
    bool OnColourRequest(HDC dc, INT_PTR& result) override;

private:
    void SetUnderlinedFont();

    std::u16string url;
    CFontHandle font;
};
