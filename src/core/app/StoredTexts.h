#pragma once

#include <string>

namespace vitrex::app {

// Texts the language file supplies for messages and composed captions, kept for later use.
// The English texts stand until a language is loaded.
struct StoredTexts {
    std::string activeWindow = "Active Window";
    std::string inactiveWindows = "Inactive Windows";
    std::string transparency = "Transparency";
    std::string exitEntry = "Exit";
    std::string cpuUsage = "CPU Usage";
};

// A level group's caption: the name, then the slider's position as "(10%)".
inline std::string LevelCaption(const std::string& name, int position) {
    return name + " (" + std::to_string(position) + "%)";
}

}  // namespace vitrex::app
