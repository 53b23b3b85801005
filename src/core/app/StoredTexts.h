#pragma once

#include <string>

namespace vitrex::app {

// Texts the language file supplies for the main window's own entries, kept for later use (the
// pages keep theirs). The English texts stand until a language is loaded.
struct StoredTexts {
    // The window menu's quit entry.
    std::string exitEntry = "Exit";
};

}  // namespace vitrex::app
