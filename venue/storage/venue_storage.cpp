#include "venue/storage/venue_storage.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "venue/file/disk.h"
#include "venue/file/text_file.h"
#include "venue/file/text_values.h"
#include "venue/file/windows1252.h"
#include "model/hardware/grid.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"

namespace {

using venuefile::TextFileReader;
using venuefile::TextFileWriter;

constexpr double kCurrentVersion = -4.0;
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
    // Where the cabinet counts were read, to name them when the array
    // refuses them.
    int Line1 = 0;
    int Line2 = 0;
    int Line3 = 0;
    std::array<int, kPairCount> Choice{};
};

std::string Where(const TextFileReader& in, int line) {
    return in.Path() + ", line " + std::to_string(line);
}

// A cabinet count on the line just read: not negative and, with the counts
// before it, within the splay list.
int CheckCount(const TextFileReader& in, int count, int before) {
    if (count < 0 || count > kMaxVenueCabinets - before)
        throw rtl::RuntimeError(rtl::RangeError().code(),
                                std::string(rtl::RangeError().what()) + " (" +
                                    Where(in, in.LinesRead()) + ")");
    return count;
}

// A value on the line just read that the venue would refuse at a hand-over.
template <class V>
V CheckValue(const TextFileReader& in, std::string_view name, V value) {
    try {
        CheckVenueValue(name, value);
    } catch (const VenueValueError& e) {
        throw rtl::RuntimeError(e.code(), std::string(e.what()) + " (" + Where(in, in.LinesRead()) + ")");
    }
    return value;
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
        f.Line1 = in.LinesRead();
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
        f.Line1 = in.LinesRead();
        ReadPlaneValues(in, f);
        f.AutoDesign = in.ReadBoolean();
        f.GridPosition = in.ReadString();
        f.PickOption = in.ReadInteger();
        f.LiftBarPosition = in.ReadInteger();
        f.RigMode = CheckValue(in, "RigMode", in.ReadInteger());
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
        f.Line1 = in.LinesRead();
        f.NumBoxes2 = CheckCount(in, in.ReadInteger(), f.NumBoxes1);
        f.Line2 = in.LinesRead();
        ReadPlaneValues(in, f);
        f.AutoDesign = in.ReadBoolean();
        f.GridPosition = in.ReadString();
        f.PickOption = in.ReadInteger();
        f.LiftBarPosition = in.ReadInteger();
        f.RigMode = CheckValue(in, "RigMode", in.ReadInteger());
        f.SplayHoba = in.ReadBoolean();
        f.FTValue = CheckValue(in, "FTValue", in.ReadReal());
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
                f.Line3 = in.LinesRead();
            }
        }
        return f;
    }

    // Loading an unknown layout would change nothing, and saying nothing
    // would let the user believe the design had been opened.
    throw rtl::RuntimeError(0, "Unknown venue file version " + rtl::FormatGeneral(version) +
                                   " (" + Where(in, 2) + ")");
}

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

namespace {

std::string At(const std::string& path, int line) {
    return " (" + path + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ")";
}

// The writer refuses what the reader would refuse, and says so before the
// disk is touched.
void CheckWritable(const TVenue& v, const std::string& path) {
    VenueData d = VenueDataOf(v);
    d.Splay = nullptr;  // the angles are checked as they are written
    const bool threeModels = IsThreeModelType(v.ArrayType);
    if (!threeModels) d.NumBoxes3 = 0;  // not written
    try {
        CheckVenueData(d);
    } catch (const VenueValueError& e) {
        const int line = e.Name() == "NumBoxes3" ? 112 : VenueValueFileLine(e.Name());
        throw rtl::RuntimeError(e.code(), "Cannot write " + std::string(e.what()) + At(path, line));
    }
    try {
        (void)CreateLoudspeakerArray(v.ArrayType);
    } catch (const rtl::RuntimeError& e) {
        throw rtl::RuntimeError(e.code(), "Cannot write " + std::string(e.what()) + At(path, 3));
    }
}

}  // namespace

std::string VenueFileText(TVenue& v, const std::string& PathForErrors) {
    if (v.ArrayType.empty()) v.ArrayType = "Arvo";
    CheckWritable(v, PathForErrors);
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
        if (!std::isfinite(v.Splay->Angle[i]))
            throw rtl::RuntimeError(rtl::RangeError().code(),
                                    "Cannot write Splay angle " + std::to_string(i) +
                                        ": not a finite number" +
                                        At(PathForErrors, out.LineCount() + 1));
        out.WriteReal(v.Splay->Angle[i]);
        out.WriteInteger(v.Splay->ChoiceIndex[i]);
    }
    // Line 112: read by this reader only, past the end of the older readers.
    if (IsThreeModelType(v.ArrayType)) out.WriteInteger(v.NumBoxes3);

    // The last guard: the file must read back.
    try {
        TextFileReader in(PathForErrors, out.Contents());
        (void)ReadImage(in);
    } catch (const rtl::RuntimeError& e) {
        throw rtl::RuntimeError(e.code(), "Cannot write a venue file that would not load: " +
                                              std::string(e.what()));
    }
    return out.Contents();
}

void SaveVenueToFile(TVenue& v, const std::string& AName) {
    // No name, or a folder without one: there is no file to write.
    if (AName.empty()) throw rtl::InOutError(rtl::InOutError::PathNotFound);
    if (AName.back() == '/') throw rtl::InOutError(rtl::InOutError::PathNotFound, AName + ".ven");
    const std::string path = AName + ".ven";
    venuefile::SaveFileAtomically(path, VenueFileText(v, path));
}

void LoadVenueFromText(TVenue& v, const std::string& PathForErrors, std::string Contents,
                       std::string& AType) {
    TextFileReader in(PathForErrors, std::move(Contents));
    const FileImage image = ReadImage(in);

    TVenueSnapshot before(v);
    try {
        Apply(v, image);
    } catch (const rtl::RuntimeError& e) {
        before.Restore();
        if (e.code() != rtl::RangeError().code() && e.code() != rtl::OverflowError().code())
            throw rtl::RuntimeError(e.code(), std::string(e.what()) + At(PathForErrors, 0));
        // Values the file checks let through that the array cannot be set
        // up with: its cabinet counts.
        const bool withType =
            image.Kind == Layout::NoCombinationGrid || image.Kind == Layout::Current;
        const VenueValueError refusal =
            SetUpRefusal(e, image.ArrayType, image.NumBoxes1, withType ? image.NumBoxes2 : 0,
                         image.HasNumBoxes3 ? image.NumBoxes3 : 0);
        const int line = refusal.Name() == "NumBoxes3"   ? image.Line3
                         : refusal.Name() == "NumBoxes2" ? image.Line2
                                                         : image.Line1;
        throw rtl::RuntimeError(e.code(), std::string(refusal.what()) + At(PathForErrors, line));
    } catch (...) {
        before.Restore();
        throw;
    }
    AType = v.ArrayType;
}

std::string ReadVenueFileBytes(const std::string& path) {
    try {
        return venuefile::ReadWholeFile(path, kVenueFileMaxBytes);
    } catch (const venuefile::FileTooLarge& e) {
        throw rtl::RuntimeError(e.code(), "File too large for a venue file: more than " +
                                              std::to_string(kVenueFileMaxBytes) + " bytes (" + path + ")");
    }
}

void LoadVenueFromFile(TVenue& v, const std::string& AFileName, std::string& AType) {
    LoadVenueFromText(v, AFileName, ReadVenueFileBytes(AFileName), AType);
}

void TVenue::SaveToFile(const std::string& AName) { SaveVenueToFile(*this, AName); }

void TVenue::LoadFromFile(const std::string& AFileName, std::string& AType) {
    LoadVenueFromFile(*this, AFileName, AType);
}
