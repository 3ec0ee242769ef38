#pragma once
// Files, folders and venue states shared by the venue file tests.

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "model/venue.h"

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
    real("MarginX", v.MarginX);
    real("MarginY", v.MarginY);
    real("ExtentY", v.ExtentY);
    real("ExtentX", v.ExtentX);
    real("ScaleX", v.ScaleX);
    real("ScaleY", v.ScaleY);
    whole("Plane2Present", v.Plane2Present);
    whole("Plane3Present", v.Plane3Present);
    real("Plane2Slope", v.Plane2Slope);
    real("Plane2Intercept", v.Plane2Intercept);
    real("Plane2Angle", v.Plane2Angle);
    real("Plane1Slope", v.Plane1Slope);
    real("Plane1Intercept", v.Plane1Intercept);
    real("Plane1Angle", v.Plane1Angle);
    real("Plane3Slope", v.Plane3Slope);
    real("Plane3Intercept", v.Plane3Intercept);
    real("Plane3Angle", v.Plane3Angle);
    real("DownfillFactor", v.DownfillFactor);
    real("DrawOffset", v.DrawOffset);
    text("VenueName", v.VenueName);
    whole("AutoDesign", v.AutoDesign);
    text("DesignMode", v.DesignMode);
    real("ArrayHeight", v.ArrayHeight);
    whole("MaxBoxes", v.MaxBoxes);
    whole("NumBoxes1", v.NumBoxes1);
    whole("NumBoxes2", v.NumBoxes2);
    whole("NumBoxes3", v.NumBoxes3);
    text("GridPosition", v.GridPosition);
    whole("PickOption", v.PickOption);
    whole("LiftBarPosition", v.LiftBarPosition);
    real("LowestHeight", v.LowestHeight);
    real("TopHeight", v.TopHeight);
    real("MaxPickHeight", v.MaxPickHeight);
    real("MinTrimHeight", v.MinTrimHeight);
    real("Plane1Length", v.Plane1Length);
    real("Plane1Height", v.Plane1Height);
    real("Plane2Length", v.Plane2Length);
    real("Plane2Height", v.Plane2Height);
    real("Plane2Elevation", v.Plane2Elevation);
    real("Plane3Length", v.Plane3Length);
    real("Plane3Height", v.Plane3Height);
    real("Plane3Distance", v.Plane3Distance);
    real("Plane3Elevation", v.Plane3Elevation);
    real("CoverageStart", v.CoverageStart);
    real("CoverageStop", v.CoverageStop);
    real("Plane1EarHeight", v.Plane1EarHeight);
    real("Plane2EarHeight", v.Plane2EarHeight);
    real("Plane3EarHeight", v.Plane3EarHeight);
    whole("RigMode", v.RigMode);
    whole("SplayHoba", v.SplayHoba);
    real("FTValue", v.FTValue);
    text("ArrayType", v.ArrayType);
    real("SeatedEarHeight", v.SeatedEarHeight);
    whole("CombinationGrid", v.CombinationGrid);
    whole("SetUpCount", static_cast<long long>(v.SetUpCount));
    whole("LastDesign", static_cast<long long>(v.LastDesign));
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
    v.Plane2Slope = 0.11;
    v.Plane2Intercept = 0.12;
    v.Plane2Angle = 0.13;
    v.Plane1Slope = 0.14;
    v.Plane1Intercept = 0.15;
    v.Plane1Angle = 0.16;
    v.Plane3Slope = 0.17;
    v.Plane3Intercept = 0.18;
    v.Plane3Angle = 0.19;
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
    v.MaxPickHeight = 101;
    v.MinTrimHeight = 102;
    v.Plane1Length = 103;
    v.Plane1Height = 104;
    v.Plane2Length = 105;
    v.Plane2Height = 106;
    v.Plane2Elevation = 107;
    v.Plane3Length = 108;
    v.Plane3Height = 109;
    v.Plane3Distance = 110;
    v.Plane3Elevation = 111;
    v.CoverageStart = 112;
    v.CoverageStop = 113;
    v.Plane1EarHeight = 114;
    v.Plane2EarHeight = 115;
    v.Plane3EarHeight = 116;
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
