#pragma once

// The geometry of the window's design, in px at 100 %: every page and the
// window are laid out from these, and a number that stands for one of them
// is written as its name.
namespace app::ui {

// The window's client area, which the page control fills.
inline constexpr int ClientWidth = 562;
inline constexpr int ClientHeight = 298;

// The page control's frame on each side of a page.
inline constexpr int PageFrame = 4;
// A page's width, and so a section's: its title bar and its body.
inline constexpr int PageWidth = ClientWidth - 2 * PageFrame;

// A band of options across the top of a page (materials, types, units).
inline constexpr int BandHeight = 30;
// Where the radio buttons of a band stand: their top.
inline constexpr int BandButtonY = 6;

// A section's title bar, and the top of the buttons on it.
inline constexpr int SectionTitleHeight = 24;
inline constexpr int TitleBarButtonY = 2;

// A section: its height (title bar and body), and the widths of its left and
// middle columns; the right column takes the rest of the page.
struct SectionShape
{
    int height;
    int leftWidth;
    int middleWidth;
};

// The shape buttons of the duct and outlet pages (rectangle, round), at the
// right of their band.
inline constexpr int RectangleButtonX = 370;
inline constexpr int RoundButtonX = 460;

} // namespace app::ui
