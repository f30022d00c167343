// The values of the input method manager's interface that the key core reads and writes:
// conversion-mode bits, virtual keys, messages and notifications. The IMM adapter checks
// them against the platform's headers.
#pragma once

#include <cstdint>

// Conversion-mode bits (IME_CMODE_*), and the module's own two.
constexpr std::uint32_t kModeNative = 0x0001;
constexpr std::uint32_t kModeFullShape = 0x0008;
constexpr std::uint32_t kModeCharCode = 0x0020;
constexpr std::uint32_t kModeSoftKeyboard = 0x0080;
constexpr std::uint32_t kModeNoConversion = 0x0100;
constexpr std::uint32_t kModeEudc = 0x0200;
constexpr std::uint32_t kModeSymbol = 0x0400;
// Traditional output, and the bit the status window toggles when it switches the scheme.
constexpr std::uint32_t kModeTraditional = 0x1000;
constexpr std::uint32_t kModeScheme = 0x2000;

// Virtual keys (VK_*).
constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkShift = 0x10;
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkMenu = 0x12;
constexpr unsigned kVkCapital = 0x14;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkSpace = 0x20;
constexpr unsigned kVkPrior = 0x21;
constexpr unsigned kVkNext = 0x22;
constexpr unsigned kVkEnd = 0x23;
constexpr unsigned kVkHome = 0x24;
constexpr unsigned kVkNumpad0 = 0x60;
constexpr unsigned kVkDivide = 0x6F;

// The key-flag bit of the Alt key (KF_ALTDOWN).
constexpr std::uint32_t kKeyFlagAltDown = 0x2000;

// Messages and notifications.
constexpr std::uint32_t kWmChar = 0x0102;
constexpr std::uint32_t kWmImeStartComposition = 0x010D;
constexpr std::uint32_t kWmImeEndComposition = 0x010E;
constexpr std::uint32_t kWmImeComposition = 0x010F;
constexpr std::uint32_t kWmImeNotify = 0x0282;
constexpr std::uint32_t kImnChangeCandidate = 0x0003;
constexpr std::uint32_t kImnCloseCandidate = 0x0004;
constexpr std::uint32_t kImnOpenCandidate = 0x0005;
constexpr std::uint32_t kImnGuideline = 0x000D;
constexpr std::uint32_t kImnPrivate = 0x000E;

// The guideline of a refused letter (GL_LEVEL_ERROR, GL_ID_TOOMANYSTROKE).
constexpr std::uint32_t kGuidelineLevelError = 2;
constexpr std::uint32_t kGuidelineTooManyStrokes = 0x22;
