#pragma once

#include <string>
#include <string_view>

// How a check-box cell's text reads as a tick, and how numbers are written into texts.

// Ticked when the text is not empty and either its leading integer (after blanks and an
// optional sign) is not 0 or it starts with "T" or "t". A missing text is unticked.
bool ReadsAsTicked(std::u16string_view text);
inline bool ReadsAsTicked(const std::u16string* text) { return text && ReadsAsTicked(*text); }

// The leading decimal number of a text after blanks, as the C library reads it; 0 when
// there is none.
double ParseNumber(std::u16string_view text);

// "%lf" with `decimals` digits after the point (clamped to 0..20 so no text grows without
// bound).
std::u16string FormatNumber(double value, int decimals);
