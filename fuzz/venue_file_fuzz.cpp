#include "fuzz/venue_file_fuzz.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "venue/file/text_values.h"
#include "venue/model/venue.h"
#include "venue/storage/venue_storage.h"

namespace {

const char* const kPath = "fuzz.ven";

[[noreturn]] void Broken(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "venue file check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

// What a load could change, including the values the file never holds.
std::string State(TVenue& v) {
    std::string s = VenueFileText(v, kPath);
    char extra[512];
    std::snprintf(extra, sizeof extra, "|%p|%d|%d|%d|%a|%a|%a|%a|%a|%a|%a|%a|%a|%a|%d|%d|%d|%llu|%a",
                  static_cast<const void*>(v.LSArray.get()), v.LSArray->TypeCode,
                  v.Plane2Present, v.Plane3Present, v.Plane1Slope, v.Plane1Intercept,
                  v.Plane2Slope, v.Plane2Intercept, v.Plane3Slope, v.Plane3Intercept,
                  v.Plane1Angle, v.Plane2Angle, v.Plane3Angle, v.DownfillFactor, v.NumBoxes3,
                  v.CombinationGrid, v.LSArray->ElementCount,
                  static_cast<unsigned long long>(v.SetUpCount), v.Splay->Angle[40]);
    return s + extra;
}

// Whether line 2 holds the version of the current layout.
bool CurrentLayout(std::string_view bytes) {
    std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) return false;
    std::size_t start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    const std::string_view rest = bytes.substr(start);
    double version = 0;
    if (!venuefile::ParseReal(rest.substr(0, rest.find_first_of("\r\n")), version)) return false;
    return version == -4.0 || version == -5.0;
}

}  // namespace

bool CheckVenueFileBytes(const std::uint8_t* Data, std::size_t Size) {
    const std::string bytes(reinterpret_cast<const char*>(Data), Size);
    TVenue v;
    v.SetArrayType("Arvo");
    const std::string before = State(v);
    std::string type = "unchanged";
    try {
        LoadVenueFromText(v, kPath, bytes, type);
    } catch (const rtl::RuntimeError& e) {
        const std::string text = e.what();
        if (text.find(std::string("(") + kPath) == std::string::npos) Broken("error without the file", text);
        if (State(v) != before) Broken("refused file changed the venue", text);
        if (type != "unchanged") Broken("refused file changed the type");
        return false;
    }
    if (type != v.ArrayType) Broken("type string differs from the venue's");

    // Saved and loaded again: the same design.
    const std::string first = VenueFileText(v, kPath);
    TVenue w;
    w.SetArrayType("Arvo");
    try {
        LoadVenueFromText(w, kPath, first, type);
    } catch (const rtl::RuntimeError& e) {
        // Older layouts leave fields the fresh venue holds at other values,
        // so only a file of the current layout must load again.
        if (CurrentLayout(bytes)) Broken("saved design does not load", e.what());
        return true;
    }
    if (!v.AutoDesign && VenueFileText(w, kPath) != first) Broken("second save differs");
    return true;
}
