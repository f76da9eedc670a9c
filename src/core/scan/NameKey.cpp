#include "core/scan/NameKey.h"

std::u16string WithoutExtension(std::u16string_view name) {
    size_t dot = std::u16string_view::npos;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == u'\\' || name[i] == u' ')
            dot = std::u16string_view::npos;
        else if (name[i] == u'.')
            dot = i;
    }
    return std::u16string(name.substr(0, dot));
}
