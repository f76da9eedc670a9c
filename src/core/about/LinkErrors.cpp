#include "core/about/LinkErrors.h"

#include "core/text/DecimalText.h"

namespace {

struct ErrorText {
    int32_t result;
    const char16_t* text;
};

// The shell's result codes at or below 32 that have a meaning of their own.
constexpr ErrorText kTexts[] = {
    {0, u"The operating system is out\nof memory or resources."},
    {2, u"The specified file was not found."},
    {3, u"The specified path was not found."},
    {5, u"The operating system denied\naccess to the specified file."},
    {8, u"There was not enough memory to complete the operation."},
    {11, u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, u"A sharing violation occurred. "},
    {27, u"The filename association is\nincomplete or invalid."},
    {28, u"The DDE transaction could not\nbe completed because the request timed out."},
    {29, u"The DDE transaction failed."},
    {30, u"The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         u"being processed."},
    {31, u"There is no application associated\nwith the given filename extension."},
    {32, u"The specified dynamic-link library was not found."},
};

} // namespace

std::u16string LinkErrorText(int32_t result) {
    for (const ErrorText& e : kTexts)
        if (e.result == result) return e.text;
    return u"Unknown Error (" + DecimalText(result) + u") occurred.";
}

std::u16string LinkErrorMessage(int32_t result) {
    return u"Unable to open hyperlink:\n\n" + LinkErrorText(result);
}
