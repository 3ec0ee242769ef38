#pragma once
// Files, folders and venue states shared by the venue file tests.

#include <dirent.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/errors.h"
#include "venue/model/venue.h"

namespace storage_test {

inline std::string DataPath(const std::string& name) {
    return std::string(VENUE_STORAGE_TEST_DATA) + "/" + name;
}

inline std::string ReadRaw(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

inline void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
}

// A fresh folder under the temporary directory, removed with its files.
class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string tmpl = std::string(base && *base ? base : "/tmp") + "/venuestorage.XXXXXX";
        if (char* made = ::mkdtemp(tmpl.data())) path_ = made;
    }
    ~TempFolder() {
        if (!path_.empty()) (void)std::system(("rm -rf '" + path_ + "'").c_str());
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        if (DIR* d = ::opendir(path_.c_str())) {
            while (dirent* e = ::readdir(d)) {
                std::string n = e->d_name;
                if (n != "." && n != "..") names.insert(n);
            }
            ::closedir(d);
        }
        return names;
    }

private:
    std::string path_;
};

// The lines of a file, without their CR LF endings.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

inline std::string Exact(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

// Every value of the venue, its splay list and its array that a load could
// touch, as "name=value" lines, so that a difference names the field.
inline std::vector<std::string> Describe(const TVenue& v) {
    std::vector<std::string> d;
    auto real = [&](const char* n, double x) { d.push_back(std::string(n) + "=" + Exact(x)); };
    auto whole = [&](const char* n, long long x) { d.push_back(std::string(n) + "=" + std::to_string(x)); };
    auto text = [&](const char* n, const std::string& x) { d.push_back(std::string(n) + "=" + x); };
    // Each field under its own name.
#define R(f) real(#f, v.f)
#define W(f) whole(#f, static_cast<long long>(v.f))
#define T(f) text(#f, v.f)
    R(MarginX); R(MarginY); R(ExtentY); R(ExtentX); R(ScaleX); R(ScaleY); W(Plane2Present);
    W(Plane3Present); R(Plane2Slope); R(Plane2Intercept); R(Plane2Angle); R(Plane1Slope);
    R(Plane1Intercept); R(Plane1Angle); R(Plane3Slope); R(Plane3Intercept); R(Plane3Angle);
    R(DownfillFactor); R(DrawOffset); T(VenueName); W(AutoDesign); T(DesignMode); R(ArrayHeight);
    W(MaxBoxes); W(NumBoxes1); W(NumBoxes2); W(NumBoxes3); T(GridPosition); W(PickOption);
    W(LiftBarPosition); R(LowestHeight); R(TopHeight); R(MaxPickHeight); R(MinTrimHeight);
    R(Plane1Length); R(Plane1Height); R(Plane2Length); R(Plane2Height); R(Plane2Elevation);
    R(Plane3Length); R(Plane3Height); R(Plane3Distance); R(Plane3Elevation); R(CoverageStart);
    R(CoverageStop); R(Plane1EarHeight); R(Plane2EarHeight); R(Plane3EarHeight); W(RigMode);
    W(SplayHoba); R(FTValue); T(ArrayType); R(SeatedEarHeight); W(CombinationGrid); W(SetUpCount);
    W(LastDesign);
#undef R
#undef W
#undef T
    char addr[32];
    std::snprintf(addr, sizeof addr, "%p", static_cast<const void*>(v.Splay));
    text("Splay", addr);
    for (int i = 0; i <= 40; ++i) real(("Angle" + std::to_string(i)).c_str(), v.Splay->Angle[i]);
    for (int i = 0; i <= 39; ++i) whole(("Choice" + std::to_string(i)).c_str(), v.Splay->ChoiceIndex[i]);
    std::snprintf(addr, sizeof addr, "%p", static_cast<const void*>(v.LSArray.get()));
    text("LSArray", addr);
    whole("Array.TypeCode", v.LSArray->TypeCode);
    whole("Array.ElementCount", v.LSArray->ElementCount);
    whole("Array.RigMode", v.LSArray->RigMode);
    whole("Array.CombinationGrid", v.LSArray->CombinationGrid);
    real("Array.Tilt0", v.LSArray->Tilt[0]);
    return d;
}

// The sixteen plane and coverage values, in the order of the file.
inline std::array<double*, 16> PlaneValues(TVenue& v) {
    return {&v.MaxPickHeight,  &v.MinTrimHeight,   &v.Plane1Length,    &v.Plane1Height,
            &v.Plane2Length,   &v.Plane2Height,    &v.Plane2Elevation, &v.Plane3Length,
            &v.Plane3Height,   &v.Plane3Distance,  &v.Plane3Elevation, &v.CoverageStart,
            &v.CoverageStop,   &v.Plane1EarHeight, &v.Plane2EarHeight, &v.Plane3EarHeight};
}

// A venue in a state no test file holds, so that every field a load sets or
// leaves can be told apart.
inline void Prime(TVenue& v) {
    v.SetArrayType("MIXDoviElka");  // DownfillFactor 3
    v.LSArray->CombinationGrid = true;
    v.MarginX = 1.5;
    v.MarginY = 2.5;
    v.ExtentY = 3.5;
    v.ExtentX = 4.5;
    v.ScaleX = 0.05;
    v.ScaleY = 0.06;
    v.Plane2Present = true;
    v.Plane3Present = true;
    // 0.11, 0.12, ... 0.19 in this order.
    double* const lines[] = {&v.Plane2Slope, &v.Plane2Intercept, &v.Plane2Angle, &v.Plane1Slope, &v.Plane1Intercept,
                             &v.Plane1Angle, &v.Plane3Slope, &v.Plane3Intercept, &v.Plane3Angle};
    for (int i = 0; i < 9; ++i) *lines[i] = (11 + i) / 100.0;
    v.DrawOffset = 2.0;
    v.VenueName = "before";
    v.AutoDesign = false;
    v.DesignMode = "MinCurve";
    v.ArrayHeight = 11.5;
    v.MaxBoxes = 33;
    v.NumBoxes1 = 3;
    v.NumBoxes2 = 7;
    v.NumBoxes3 = 5;
    v.GridPosition = "MIDDLE";
    v.PickOption = 9;
    v.LiftBarPosition = 7;
    v.LowestHeight = 0.7;
    v.TopHeight = 13.25;
    for (int i = 0; i < 16; ++i) *PlaneValues(v)[i] = 101 + i;
    v.RigMode = 2;
    v.SplayHoba = true;
    v.FTValue = 650;
    v.SeatedEarHeight = 1.6;
    v.CombinationGrid = true;
    v.SetUpCount = 40;
    v.LastDesign = TDesignRoutine::MinCurve;
    for (int i = 0; i <= 40; ++i) v.Splay->Angle[i] = 100 + i;
    for (int i = 0; i <= 39; ++i) v.Splay->ChoiceIndex[i] = 50 + i;
}

// The text of the run-time error the call throws, "" when it throws none.
template <class F>
std::string ErrorOf(F&& call) {
    try {
        call();
    } catch (const rtl::RuntimeError& e) {
        return e.what();
    }
    return "";
}

}  // namespace storage_test
