#pragma once

// Character classes of the natural order, for one UTF-16 code unit. Below 256 only the
// ASCII digits and letters count; above 255 a fixed table stands in for the platform's
// character types, so that every host orders names alike.
bool IsDigitUnit(char16_t c);
bool IsLetterUnit(char16_t c);
inline bool IsLetterOrDigitUnit(char16_t c) { return IsDigitUnit(c) || IsLetterUnit(c); }
