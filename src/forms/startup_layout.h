#pragma once
// The start-up windows' fixed facts, read by both fronts: the splash window
// "Startup" with its progress bar, and the main frame "MDIForm1".

#include <string_view>

#include "forms/layout_geometry.h"

namespace tessary {

// The splash: a frameless window of this client size, black, with the splash
// picture at its top-left and the progress bar "ProgressBar1" over it.
inline constexpr std::string_view kSplashName = "Startup";
inline constexpr std::string_view kSplashCaption = "Tessary";
inline constexpr std::string_view kSplashPictureName = "splash.bmp";
inline constexpr PixelSize kSplashClientSize{630, 386};
inline constexpr std::string_view kProgressBarName = "ProgressBar1";
inline constexpr LayoutRect kProgressBarRect{158, 311, 314, 10};
inline constexpr int kProgressBarMaximum = 100;  // the range is 0 to this

// The main frame: a multiple-document frame whose client area shows the
// frame picture once at its top-left corner, on black.
inline constexpr std::string_view kMainFrameName = "MDIForm1";
inline constexpr std::string_view kMainFrameCaption = "  Tessary - Fennock Marrowby Edition";
inline constexpr std::string_view kMainFramePictureName = "frame.bmp";
inline constexpr PixelSize kMainFrameClientSize{675, 563};

}  // namespace tessary
