#pragma once

#include <deque>

#include "core/app/Platform.h"
#include "core/transparency/OwnAlphas.h"

namespace vitrex::fakes {

// The ports of one run of the program, composed as the program composes them: the desktop wrapped
// with notes of its own of the alphas the run gives. A second run on the same ports stands for the
// program started again, which knows nothing of the alphas the first one gave. `runs` keeps each
// run's notes for as long as its ports are used.
template <typename Ports>
app::Platform ComposeRun(Ports& ports, std::deque<transparency::OwnAlphas>& runs) {
    transparency::OwnAlphas& noted = runs.emplace_back(ports.windows);
    return {ports.registry, noted,         ports.files,        ports.clock,      ports.dialogs,
            ports.system,   ports.hotKeys, ports.processes,    ports.collation,  ports.cpu,
            ports.http,     ports.shell,   ports.windowEvents, ports.releaseKey, ports.hashing};
}

}  // namespace vitrex::fakes
