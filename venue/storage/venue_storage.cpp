#include "storage/venue_storage.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>

#include "arrays/lsarray.h"
#include "core/errors.h"
#include "core/numtext.h"
#include "file/disk.h"
#include "file/text_file.h"
#include "file/text_values.h"
#include "file/windows1252.h"
#include "hardware/grid.h"
#include "hardware/splay.h"
#include "model/venue.h"

namespace {

using venuefile::TextFileReader;
using venuefile::TextFileWriter;

constexpr double kCurrentVersion = -4.0;
// The splay list has 40 per-element entries; no array may hold more cabinets.
constexpr int kMaxCabinets = 40;
constexpr int kPairCount = 40;
constexpr int kOldestPairCount = 16;
// The three-model array carries a third cabinet count.
bool IsThreeModelType(const std::string& AType) {
    const std::optional<TArrayType> type = FindArrayType(AType);
    return type && ArrayTypeInfo(*type).ModelCount() == 3;
}
// What the number reader skips as blanks: every character up to ' '.
const std::string kBlanks = [] {
    std::string b;
    for (int c = 1; c <= ' '; ++c) b += static_cast<char>(c);
    return b + '\0';
}();

enum class Layout { Oldest, NoType, NoCombinationGrid, Current };

// The sixteen plane and coverage values, in file order.
constexpr std::size_t kPlaneValueCount = 16;
using PlaneValues = std::array<double, kPlaneValueCount>;

std::array<double TVenue::*, kPlaneValueCount> PlaneFields() {
    return {&TVenue::MaxPickHeight,   &TVenue::MinTrimHeight,   &TVenue::Plane1Length,
            &TVenue::Plane1Height,    &TVenue::Plane2Length,    &TVenue::Plane2Height,
            &TVenue::Plane2Elevation, &TVenue::Plane3Length,    &TVenue::Plane3Height,
            &TVenue::Plane3Distance,  &TVenue::Plane3Elevation, &TVenue::CoverageStart,
            &TVenue::CoverageStop,    &TVenue::Plane1EarHeight, &TVenue::Plane2EarHeight,
            &TVenue::Plane3EarHeight};
}

// Everything a file holds, read and checked before the venue is touched.
struct FileImage {
    Layout Kind = Layout::Current;
    std::string ArrayType;  // never empty
    std::string VenueName;
    double ArrayHeight = 0.0;
    int MaxBoxes = 0;
    int NumBoxes1 = 0;
    int NumBoxes2 = 0;  // layouts with an array type line
    bool HasNumBoxes3 = false;
    int NumBoxes3 = 0;
    PlaneValues Planes{};
    bool AutoDesign = false;
    std::string GridPosition;  // the rigging values: all but the oldest layout
    int PickOption = 0;
    int LiftBarPosition = 0;
    int RigMode = 0;
    bool SplayHoba = false;  // these two: layouts with an array type line
    double FTValue = 0.0;
    bool CombinationGrid = false;  // current layout only
    int Pairs = 0;
    std::array<double, kPairCount> Angle{};
    std::array<int, kPairCount> Choice{};
};

std::string Where(const TextFileReader& in, int line) {
    return in.Path() + ", line " + std::to_string(line);
}

// A cabinet count on the line just read: not negative and, with the counts
// before it, within the splay list.
int CheckCount(const TextFileReader& in, int count, int before) {
    if (count < 0 || count > kMaxCabinets - before)
        throw rtl::RuntimeError(rtl::RangeError().code(),
                                std::string(rtl::RangeError().what()) + " (" +
                                    Where(in, in.LinesRead()) + ")");
    return count;
}

void ReadPlaneValues(TextFileReader& in, FileImage& f) {
    for (double& v : f.Planes) v = in.ReadReal();
}

void ReadPairs(TextFileReader& in, FileImage& f, int count) {
    f.Pairs = count;
    for (int i = 0; i < count; ++i) {
        f.Angle[static_cast<std::size_t>(i)] = in.ReadReal();
        f.Choice[static_cast<std::size_t>(i)] = in.ReadInteger();
    }
}

FileImage ReadImage(TextFileReader& in) {
    FileImage f;
    f.VenueName = in.ReadText();
    const double version = in.ReadReal();

    if (version > 0) {
        f.Kind = Layout::Oldest;
        f.ArrayType = "Arvo";
        f.ArrayHeight = version;
        f.MaxBoxes = in.ReadInteger();
        f.NumBoxes1 = CheckCount(in, in.ReadInteger(), 0);
        ReadPlaneValues(in, f);
        f.AutoDesign = in.ReadBoolean();
        ReadPairs(in, f, kOldestPairCount);
        return f;
    }

    if (version == -1.0 || version == -2.0) {
        f.Kind = Layout::NoType;
        f.ArrayType = version == -1.0 ? "Arvo" : "Bexa";
        f.ArrayHeight = in.ReadReal();
        f.MaxBoxes = in.ReadInteger();
        f.NumBoxes1 = CheckCount(in, in.ReadInteger(), 0);
        ReadPlaneValues(in, f);
        f.AutoDesign = in.ReadBoolean();
        f.GridPosition = in.ReadString();
        f.PickOption = in.ReadInteger();
        f.LiftBarPosition = in.ReadInteger();
        f.RigMode = in.ReadInteger();
        ReadPairs(in, f, kPairCount);
        return f;
    }

    if (version == -3.0 || version == -4.0 || version == -5.0) {
        f.Kind = version == -3.0 ? Layout::NoCombinationGrid : Layout::Current;
        f.ArrayType = in.ReadString();
        if (f.ArrayType.empty()) f.ArrayType = "Arvo";
        try {
            (void)CreateLoudspeakerArray(f.ArrayType);
        } catch (const rtl::RuntimeError& e) {
            // The line as the user would read it, without the control
            // characters a damaged file may hold.
            std::string shown = venuefile::Windows1252ToUtf8(f.ArrayType);
            for (char& c : shown)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
            throw rtl::RuntimeError(e.code(), "Unknown array type \"" + shown + "\" (" + Where(in, 3) + ")");
        }
        f.ArrayHeight = in.ReadReal();
        f.MaxBoxes = in.ReadInteger();
        f.NumBoxes1 = CheckCount(in, in.ReadInteger(), 0);
        f.NumBoxes2 = CheckCount(in, in.ReadInteger(), f.NumBoxes1);
        ReadPlaneValues(in, f);
        f.AutoDesign = in.ReadBoolean();
        f.GridPosition = in.ReadString();
        f.PickOption = in.ReadInteger();
        f.LiftBarPosition = in.ReadInteger();
        f.RigMode = in.ReadInteger();
        f.SplayHoba = in.ReadBoolean();
        f.FTValue = in.ReadReal();
        if (f.Kind == Layout::Current) f.CombinationGrid = in.ReadBoolean();
        ReadPairs(in, f, kPairCount);
        if (f.Kind == Layout::Current && IsThreeModelType(f.ArrayType) && !in.AtEnd()) {
            // A 111-line file that an editor ended with an empty line has no
            // third count; only a line with something on it must hold one.
            const std::string extra = in.ReadString();
            if (extra.find_first_not_of(kBlanks) != std::string::npos) {
                std::int32_t count = 0;
                if (!venuefile::ParseInteger(extra, count))
                    throw rtl::InOutError(rtl::InOutError::InvalidNumericInput,
                                          Where(in, in.LinesRead()));
                f.HasNumBoxes3 = true;
                f.NumBoxes3 = CheckCount(in, count, f.NumBoxes1 + f.NumBoxes2);
            }
        }
        return f;
    }

    // Loading an unknown layout would change nothing, and saying nothing
    // would let the user believe the design had been opened.
    throw rtl::RuntimeError(0, "Unknown venue file version " + rtl::FormatGeneral(version) +
                                   " (" + Where(in, 2) + ")");
}

// Every value of the venue that a load may change, each listed once.
constexpr double TVenue::*kKeptReals[] = {
    &TVenue::MarginX,         &TVenue::MarginY,         &TVenue::ExtentY,
    &TVenue::ExtentX,         &TVenue::ScaleX,          &TVenue::ScaleY,
    &TVenue::Plane2Slope,     &TVenue::Plane2Intercept, &TVenue::Plane2Angle,
    &TVenue::Plane1Slope,     &TVenue::Plane1Intercept, &TVenue::Plane1Angle,
    &TVenue::Plane3Slope,     &TVenue::Plane3Intercept, &TVenue::Plane3Angle,
    &TVenue::DownfillFactor,  &TVenue::DrawOffset,      &TVenue::ArrayHeight,
    &TVenue::LowestHeight,    &TVenue::TopHeight,       &TVenue::MaxPickHeight,
    &TVenue::MinTrimHeight,   &TVenue::Plane1Length,    &TVenue::Plane1Height,
    &TVenue::Plane2Length,    &TVenue::Plane2Height,    &TVenue::Plane2Elevation,
    &TVenue::Plane3Length,    &TVenue::Plane3Height,    &TVenue::Plane3Distance,
    &TVenue::Plane3Elevation, &TVenue::CoverageStart,   &TVenue::CoverageStop,
    &TVenue::Plane1EarHeight, &TVenue::Plane2EarHeight, &TVenue::Plane3EarHeight,
    &TVenue::FTValue,         &TVenue::SeatedEarHeight};
constexpr int TVenue::*kKeptInts[] = {&TVenue::MaxBoxes,   &TVenue::NumBoxes1,
                                      &TVenue::NumBoxes2,  &TVenue::NumBoxes3,
                                      &TVenue::PickOption, &TVenue::LiftBarPosition,
                                      &TVenue::RigMode};
constexpr bool TVenue::*kKeptFlags[] = {&TVenue::Plane2Present, &TVenue::Plane3Present,
                                        &TVenue::AutoDesign,    &TVenue::SplayHoba,
                                        &TVenue::CombinationGrid};
std::string TVenue::*const kKeptTexts[] = {&TVenue::VenueName, &TVenue::DesignMode,
                                           &TVenue::GridPosition, &TVenue::ArrayType};

// The venue's values, its splay list and the very array object it holds, so
// that a failure in the steps after reading can put them all back.
class VenueSnapshot {
public:
    explicit VenueSnapshot(TVenue& v)
        : venue_(v), splay_(*v.Splay), splayRef_(v.Splay), setUpCount_(v.SetUpCount),
          lastDesign_(v.LastDesign) {
        for (std::size_t i = 0; i < std::size(kKeptReals); ++i) reals_[i] = v.*kKeptReals[i];
        for (std::size_t i = 0; i < std::size(kKeptInts); ++i) ints_[i] = v.*kKeptInts[i];
        for (std::size_t i = 0; i < std::size(kKeptFlags); ++i) flags_[i] = v.*kKeptFlags[i];
        for (std::size_t i = 0; i < std::size(kKeptTexts); ++i) texts_[i] = v.*kKeptTexts[i];
        // Last, once nothing more can fail: the venue is without an array
        // until Restore or the load puts one in.
        array_ = std::move(v.LSArray);
    }

    // Once only.
    void Restore() {
        TVenue& v = venue_;
        v.LSArray = std::move(array_);
        v.Splay = splayRef_;
        *v.Splay = splay_;
        for (std::size_t i = 0; i < std::size(kKeptReals); ++i) v.*kKeptReals[i] = reals_[i];
        for (std::size_t i = 0; i < std::size(kKeptInts); ++i) v.*kKeptInts[i] = ints_[i];
        for (std::size_t i = 0; i < std::size(kKeptFlags); ++i) v.*kKeptFlags[i] = flags_[i];
        for (std::size_t i = 0; i < std::size(kKeptTexts); ++i)
            v.*kKeptTexts[i] = std::move(texts_[i]);
        v.SetUpCount = setUpCount_;
        v.LastDesign = lastDesign_;
    }

private:
    TVenue& venue_;
    std::unique_ptr<TLoudspeakerArray> array_;
    TSplay splay_;
    TSplay* splayRef_;
    std::array<double, std::size(kKeptReals)> reals_{};
    std::array<int, std::size(kKeptInts)> ints_{};
    std::array<bool, std::size(kKeptFlags)> flags_{};
    std::array<std::string, std::size(kKeptTexts)> texts_;
    std::uint64_t setUpCount_;
    TDesignRoutine lastDesign_;
};

// Stores the file's values and runs the steps that follow a read.
void Apply(TVenue& v, const FileImage& f) {
    v.SetArrayType(f.ArrayType);

    v.VenueName = f.VenueName;
    v.ArrayHeight = f.ArrayHeight;
    v.MaxBoxes = f.MaxBoxes;
    v.NumBoxes1 = f.NumBoxes1;
    const auto fields = PlaneFields();
    for (std::size_t i = 0; i < fields.size(); ++i) v.*fields[i] = f.Planes[i];
    v.AutoDesign = f.AutoDesign;
    if (f.Kind != Layout::Oldest) {
        v.GridPosition = f.GridPosition;
        v.PickOption = f.PickOption;
        v.LiftBarPosition = f.LiftBarPosition;
        v.RigMode = f.RigMode;
    }
    if (f.Kind == Layout::NoCombinationGrid || f.Kind == Layout::Current) {
        v.NumBoxes2 = f.NumBoxes2;
        v.SplayHoba = f.SplayHoba;
        v.FTValue = f.FTValue;
    }
    if (f.Kind == Layout::Current) v.CombinationGrid = f.CombinationGrid;
    if (f.HasNumBoxes3) v.NumBoxes3 = f.NumBoxes3;
    for (int i = 0; i < f.Pairs; ++i) {
        v.Splay->Angle[i] = f.Angle[static_cast<std::size_t>(i)];
        v.Splay->ChoiceIndex[i] = f.Choice[static_cast<std::size_t>(i)];
    }

    // A flat plane 2 (height 0) is a level upper floor: it counts, as it does
    // when the window hands the same values over.
    v.CalcPlaneLines();

    TLoudspeakerArray& a = *v.LSArray;
    if (f.Kind == Layout::Current) a.CombinationGrid = v.CombinationGrid;
    const bool withType = f.Kind == Layout::NoCombinationGrid || f.Kind == Layout::Current;
    // The third count only when the file carried it; the older files never
    // set up a third model.
    a.SetUp(*v.Splay, v.NumBoxes1, withType ? v.NumBoxes2 : v.NumBoxes1,
            f.HasNumBoxes3 ? v.NumBoxes3 : 0, v.ArrayHeight, v.FTValue);
    ++v.SetUpCount;
    if (v.OnSetUp) v.OnSetUp();
    a.CalcControllerSettings();
    a.CalcMechanics();
    if (f.Kind != Layout::Oldest) {
        a.Grid->SetRigMode(v.PickOption, v.LiftBarPosition);
        a.SetRigMode(v.RigMode);
    }
    if (v.AutoDesign) v.Design();
}

}  // namespace

std::string VenueFileText(TVenue& v, const std::string& PathForErrors) {
    if (v.ArrayType.empty()) v.ArrayType = "Arvo";
    TextFileWriter out(PathForErrors);
    out.WriteText(v.VenueName);
    out.WriteReal(kCurrentVersion);
    out.WriteString(v.ArrayType);
    out.WriteReal(v.ArrayHeight);
    out.WriteInteger(v.MaxBoxes);
    out.WriteInteger(v.NumBoxes1);
    out.WriteInteger(v.NumBoxes2);
    for (double TVenue::*field : PlaneFields()) out.WriteReal(v.*field);
    out.WriteBoolean(v.AutoDesign);
    out.WriteString(v.GridPosition);
    out.WriteInteger(v.PickOption);
    out.WriteInteger(v.LiftBarPosition);
    out.WriteInteger(v.RigMode);
    out.WriteBoolean(v.SplayHoba);
    out.WriteReal(v.FTValue);
    out.WriteBoolean(v.LSArray->CombinationGrid);
    for (int i = 0; i < kPairCount; ++i) {
        out.WriteReal(v.Splay->Angle[i]);
        out.WriteInteger(v.Splay->ChoiceIndex[i]);
    }
    // Line 112: read by this reader only, past the end of the older readers.
    if (IsThreeModelType(v.ArrayType)) out.WriteInteger(v.NumBoxes3);
    return out.Contents();
}

void SaveVenueToFile(TVenue& v, const std::string& AName) {
    const std::string path = AName + ".ven";
    venuefile::SaveFileAtomically(path, VenueFileText(v, path));
}

void LoadVenueFromText(TVenue& v, const std::string& PathForErrors, std::string Contents,
                       std::string& AType) {
    TextFileReader in(PathForErrors, std::move(Contents));
    const FileImage image = ReadImage(in);

    VenueSnapshot before(v);
    try {
        Apply(v, image);
    } catch (const rtl::RuntimeError& e) {
        before.Restore();
        throw rtl::RuntimeError(e.code(), std::string(e.what()) + " (" + PathForErrors + ")");
    } catch (...) {
        before.Restore();
        throw;
    }
    AType = v.ArrayType;
}

void LoadVenueFromFile(TVenue& v, const std::string& AFileName, std::string& AType) {
    LoadVenueFromText(v, AFileName, venuefile::ReadWholeFile(AFileName), AType);
}

void TVenue::SaveToFile(const std::string& AName) { SaveVenueToFile(*this, AName); }

void TVenue::LoadFromFile(const std::string& AFileName, std::string& AType) {
    LoadVenueFromFile(*this, AFileName, AType);
}
