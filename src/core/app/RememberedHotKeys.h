#pragma once

#include "core/platform/WindowSystem.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/RememberedPrograms.h"

namespace vitrex::app {

// A level or always-on-top that hot key `id` gave the foreground window, taken into what is
// remembered for its program, if that program is remembered.
void FollowHotKeyInRemembered(transparency::RememberedPrograms& remembered,
                              transparency::Eligibility& eligibility, int id, WindowHandle foreground);

}  // namespace vitrex::app
