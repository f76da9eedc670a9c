#pragma once

// Message box styles, with the platform's values, so that the core can choose them.
namespace MessageStyle {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNoCancel = 0x3;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;

constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// A box that names no icon gets the exclamation mark when it has one of the usual button sets.
constexpr unsigned WithDefaultIcon(unsigned style) {
    const unsigned buttons = style & kButtonMask;
    const bool usual =
        buttons == kOk || buttons == kOkCancel || buttons == kYesNoCancel || buttons == kYesNo;
    return (style & kIconMask) == 0 && usual ? style | kIconExclamation : style;
}
} // namespace MessageStyle
