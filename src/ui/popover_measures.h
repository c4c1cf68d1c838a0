#pragma once
// The popover's measures in logical pixels, in one table: the layout code
// names them, so the picture can be read and changed in one place.

namespace torvel::popoverMeasures {

inline constexpr int viewWidth = 300;
inline constexpr int padding = 16;
inline constexpr int contentWidth = viewWidth - 2 * padding;

// Header: a swatch, the Kelvin title with its unit, and the status line.
inline constexpr int headerSwatch = 36;
inline constexpr int headerSpacing = 12;
inline constexpr int titleSize = 22;
inline constexpr int unitSize = 14;
inline constexpr int unitSpacing = 3;
inline constexpr int statusSize = 12;
inline constexpr int titleToStatus = 2;
inline constexpr int statusWidth = contentWidth - headerSwatch - headerSpacing;

// Gaps between the stacked parts, top to bottom.
inline constexpr int headerToPicker = 16;
inline constexpr int pickerToSchedule = 16;
inline constexpr int pickerToManual = 18;
inline constexpr int curveToRows = 12;
inline constexpr int rowsToSeparator = 12;
inline constexpr int separatorToColors = 12;
inline constexpr int dayToNight = 14;
inline constexpr int colorToDim = 10;
inline constexpr int sectionToFooter = 14;
inline constexpr int separatorToFooter = 14;

// A schedule row: title (and detail) at the left, a stepper at the right.
inline constexpr int rowTitleSize = 13;
inline constexpr int rowDetailSize = 11;
inline constexpr int rowInset = 4;
inline constexpr int rowSpacing = 8;
inline constexpr int rowTitleToDetail = 1;

// A colour row: title, swatch and value over a slider.
inline constexpr int colorTitleSize = 13;
inline constexpr int colorSwatch = 10;
inline constexpr int colorTitleSpacing = 6;
inline constexpr int colorTitleToSlider = 8;

// Footer: the switch, its label and Quit.
inline constexpr int footerSize = 12;
inline constexpr int footerSpacing = 8;

// What one press of a stepper changes, in minutes.
inline constexpr int clockStep = 15;
inline constexpr int windDownStep = 30;

} // namespace torvel::popoverMeasures
