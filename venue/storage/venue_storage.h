#pragma once
// The venue file: one design as plain text, one value a line, CR LF.
//
// The writer always writes the current layout (version -4, 111 lines).  A
// three-model array ("MIXIvorDoviElka") gets its third cabinet count on an
// extra line 112, which readers of the 111-line layout never reach.
//
// The reader knows five layouts, told apart by the number on line 2:
//   above 0   the oldest layout (that number is the array height), "Arvo"
//   -1, -2    "Arvo" or "Bexa", no array type line
//   -3        the array type on line 3, no combination-grid line
//   -4, -5    the current layout (and line 112 when present)
// Each layout sets the fields it holds; the others keep their values.
//
// Loading is all or nothing.  The whole file is read and checked first
// (every line there, every number a finite number, the array type known, the
// cabinet counts not negative and together within the 40 entries of the
// splay list, the push-over force above 0, the rig mode 1 or 2); only then
// does the venue change.  A count the array then cannot be set up with is
// named with its line.  The steps that follow
// (array set-up, rig evaluation, design) run on the venue itself; should one
// of them fail, every field, the splay list and the very array object the
// venue held are put back.  Every failure is an rtl::RuntimeError whose text
// says what went wrong and where: "Invalid numeric input (hall.ven, line 7)".

#include <cstddef>
#include <string>

class TVenue;

// Writes the current layout to AName + ".ven" (the extension is always
// added), replacing an existing file only once the new one is wholly on the
// disk: on failure the old file is left as it was and the error is thrown.
// A venue the reader would refuse is not written ("Cannot write FTValue =
// -2000: ... (hall.ven, line 30)"); an empty name, or one ending in "/", is
// "Invalid filename".  An empty ArrayType is set to "Arvo" in the venue first.
void SaveVenueToFile(TVenue& Venue, const std::string& AName);

// The bytes SaveVenueToFile writes; `PathForErrors` names the file in an
// error (a NaN or an infinity in a field cannot be written).  Sets an empty
// ArrayType to "Arvo" like the save.
std::string VenueFileText(TVenue& Venue, const std::string& PathForErrors);

// No venue file is larger: a current file is some 2.6 kB, and even a
// venue name as long as a line can be keeps it far below.
inline constexpr std::size_t kVenueFileMaxBytes = 1024 * 1024;

// The bytes of the venue file at `path`, read whole; a file larger than
// kVenueFileMaxBytes is refused before it is read, with
// "File too large for a venue file: more than 1048576 bytes (path)".
std::string ReadVenueFileBytes(const std::string& path);

// Reads the file named exactly AFileName into the venue and its array and
// sets AType to the array type read.  On any failure neither the venue, its
// splay list, its array nor AType change.
void LoadVenueFromFile(TVenue& Venue, const std::string& AFileName, std::string& AType);

// The same on file contents already in memory; `PathForErrors` names the file
// in errors.
void LoadVenueFromText(TVenue& Venue, const std::string& PathForErrors, std::string Contents,
                       std::string& AType);
