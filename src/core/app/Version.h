#pragma once

namespace vitrex::app {

// Version constants shown on the about and update pages and sent with reports.
inline constexpr const char* kVersionText = "0.21 PreBuild";
inline constexpr const char* kDateText = "26. Oktober 2005";
inline constexpr const char* kBuildNumber = "0021";
inline constexpr const char* kApplicationTitle = "Vitrex";

}  // namespace vitrex::app
