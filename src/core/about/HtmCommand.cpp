#include "core/about/HtmCommand.h"

std::u16string CutAtPlaceholder(std::u16string_view commandLine) {
    size_t cut = commandLine.find(u"\"%1\"");
    if (cut == std::u16string_view::npos) cut = commandLine.find(u"%1");
    return std::u16string(commandLine.substr(0, cut));
}

std::u16string HtmCommandLine(std::u16string_view commandLine, std::u16string_view url) {
    std::u16string line = CutAtPlaceholder(commandLine);
    line += u' ';
    line += url;
    return line;
}

std::u16string RegistryText(const char16_t* data, size_t bytes) {
    const std::u16string_view units(data, data ? bytes / sizeof(char16_t) : 0);
    return std::u16string(units.substr(0, units.find(u'\0')));
}
