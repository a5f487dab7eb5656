// SPDX-License-Identifier: MIT
#pragma once
// The desktop's system colours that the window uses, by their Windows role
// numbers, fixed at the Windows 10 defaults. Every colour of the window that
// comes from a role is looked up here and nowhere else.

namespace geometry::layout {

struct Rgb {
    int red, green, blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

enum class SystemColour {
    ScrollBar = 0,
    InactiveCaption = 3,
    Window = 5,
    WindowText = 8,
    ActiveBorder = 10,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    ButtonHighlight = 20,
    ButtonDarkShadow = 21,
    ButtonLight = 22,
    InfoBackground = 24,
};

constexpr Rgb systemColour(SystemColour role) {
    switch (role) {
    case SystemColour::ScrollBar:        return {200, 200, 200};
    case SystemColour::InactiveCaption:  return {191, 205, 219};
    case SystemColour::Window:           return {255, 255, 255};
    case SystemColour::WindowText:       return {0, 0, 0};
    case SystemColour::ActiveBorder:     return {180, 180, 180};
    case SystemColour::Highlight:        return {0, 120, 215};
    case SystemColour::HighlightText:    return {255, 255, 255};
    case SystemColour::ButtonFace:       return {240, 240, 240};
    case SystemColour::ButtonShadow:     return {160, 160, 160};
    case SystemColour::GrayText:         return {109, 109, 109};
    case SystemColour::ButtonText:       return {0, 0, 0};
    case SystemColour::ButtonHighlight:  return {255, 255, 255};
    case SystemColour::ButtonDarkShadow: return {105, 105, 105};
    case SystemColour::ButtonLight:      return {227, 227, 227};
    case SystemColour::InfoBackground:   return {255, 255, 225};
    }
    return {};
}

}  // namespace geometry::layout
