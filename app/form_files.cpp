// Venue files, mail and web: the venue file named on the command line and
// the refresh of the window's controls after a load or a design start.

#include "background1.h"
#include "core/errors.h"

void TForm1::LoadVenueFromCommandLine(const std::string& path) {
    throw rtl::RuntimeError(1, "Venue files cannot be opened yet: " + path);
}

// Filled in with the venue page's and the tool bar's working state.
void TForm1::RefreshControls() {}
