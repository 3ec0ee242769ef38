#include "model/advice/controller_advice.h"

#include <cstddef>
#include <string>
#include <utility>

#include "model/arrays/arraytypes.h"
#include "platform/core/checked.h"
#include "platform/core/errors.h"

namespace {

const char* const kSubNoteJumoToKato =
    "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" for controller settings for "
    "Jumo/Rudd/Hoba/Kato";
const char* const kSubNoteJumoToIvor =
    "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" for controller settings for "
    "Jumo/Rudd/Hoba/Kato/Ivor";
// The trailing blank belongs to the text.
const char* const kMixNote =
    "Refer to \"Tesk Line Array Systems Applications Guide\" for controller settings ";
const char* const kGiraNote =
    "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" for controller settings for Gira";
const char* const kCadriNote = "Not yet available in this build of Orandel";
const char* const kKatoNote = "Setting for Kato as Sub are equivalent to those for Rudd";

const char* const kModelListShort = "Jumo/Rudd/Hoba/Kato";
const char* const kModelListLong = "Jumo/Rudd/Hoba/Kato/Ivor";

bool Flown(const ControllerInput& in) { return in.RigMode == 1; }

// The even number at or above the cabinet count, capped at 16; 0 for no
// cabinet at all.
int SizeNumber(int n) {
    if (n < 1) return 0;
    if (n >= 15) return 16;
    return (n % 2 == 0) ? n : n + 1;
}

std::string SizeText(int n) { return std::to_string(SizeNumber(n)); }

// Splay of element k (1 = top) against the element above it.
double SplayOfElement(const ControllerInput& in, int k) {
    const int i = rtl::CheckedSub(k, 1);
    rtl::CheckIndex(i, 0, 40);
    return in.SplayAngle[static_cast<std::size_t>(i)];
}

int ChoiceOfElement(const ControllerInput& in, int k) {
    const int i = rtl::CheckedSub(k, 1);
    rtl::CheckIndex(i, 0, 39);
    return in.ChoiceIndex[static_cast<std::size_t>(i)];
}

// Equality counts as the high curve.  A model without any cabinet has no
// reference splay; it is taken as the low curve, as a 0 degree splay would be.
std::string CurveName(const ControllerInput& in, int refElement, int refModelCount, double threshold) {
    if (refModelCount < 1) return "LOCRV";
    return SplayOfElement(in, refElement) >= threshold ? "HICRV" : "LOCRV";
}

void SetEntry(std::array<std::string, 3>& presets, std::array<std::string, 3>& eqs, int entry,
              std::string preset, std::string eq) {
    rtl::CheckIndex(entry, 1, 3);
    presets[static_cast<std::size_t>(entry - 1)] = std::move(preset);
    eqs[static_cast<std::size_t>(entry - 1)] = std::move(eq);
}

struct Column {
    std::array<std::string, 3>& Presets;
    std::array<std::string, 3>& Eqs;
    void Set(int entry, std::string preset, std::string eq) {
        SetEntry(Presets, Eqs, entry, std::move(preset), std::move(eq));
    }
    void Clear() {
        for (int e = 1; e <= 3; ++e) Set(e, "", "");
    }
};

Column Column1(ControllerAdvice& a) { return Column{a.Presets1, a.PresetEQ1}; }
Column Column2(ControllerAdvice& a) { return Column{a.Presets2, a.PresetEQ2}; }

// Full-size cabinets: n counts them, and elements first..last are the
// full-size cabinets whose zero splays decide the "0D" presets.
void FullSizePresets(const ControllerInput& in, int n, int first, int last, bool singleModel,
                     Column col) {
    const int size = SizeNumber(n);
    const std::string sizeText = std::to_string(size);
    if (Flown(in)) {
        std::string prefix;
        if (size >= 10) {
            int zeros = 0;
            for (int k = first; k <= last; ++k)
                if (ChoiceOfElement(in, k) == 0) zeros = rtl::CheckedAdd(zeros, 1);
            // The share is taken of the whole array, also in a mix.  An
            // array without elements has no share (no division by zero).
            if (in.ElementCount > 0) {
                const double share = static_cast<double>(rtl::CheckedMul(zeros, 100)) /
                                     static_cast<double>(rtl::CheckedMul(in.ElementCount, 100));
                if (share >= 0.5) prefix = "0D";
            }
        }
        const std::string head = prefix + sizeText;
        col.Set(1, head + "Arvo HFCUT", "Reduced HF EQ");
        col.Set(2, head + "Arvo HFNORMAL", "Standard HF EQ");
        col.Set(3, size <= 6 ? std::string() : head + "Arvo HFBOOST", "Increased HF EQ");
    } else {
        col.Set(1, sizeText + "Arvo " + "GNDSTK Jumo", "Standard HF EQ");
        col.Set(2, singleModel ? sizeText + "Arvo " + "GNDSTK Rudd" : std::string(), "");
        col.Set(3, "", "");
    }
}

// Compact cabinets: n counts them, refElement is the last of them.
// threeStackEntries: the classes whose ground stack offers all three sub
// pairings.
void CompactPresets(const ControllerInput& in, int n, int refElement, bool threeStackEntries,
                    Column col) {
    if (n <= 2) return;
    const std::string model = SizeText(n) + "Bexa ";
    if (n <= 6) {
        if (Flown(in)) {
            const std::string curve = CurveName(in, refElement, n, 6.0);
            col.Set(1, model + curve + " HFN", "Standard HF EQ");
            col.Set(2, "", "");
            col.Set(3, "", "");
        } else {
            col.Set(1, model + "GNDSTK Jumo", "Standard HF EQ");
            if (threeStackEntries) {
                col.Set(2, model + "GNDSTK Hoba", "");
                col.Set(3, model + "GNDSTK Rudd", "");
            } else {
                col.Set(2, "", "");
                col.Set(3, "", "");
            }
        }
        return;
    }
    if (n <= 12) {
        const std::string curve = CurveName(in, refElement, n, 7.5);
        col.Set(1, model + curve + " HFN", "Standard HF EQ");
        col.Set(2, model + curve + " HFC", "Reduced HF EQ");
        if (n >= 11 || curve == "LOCRV")
            col.Set(3, model + curve + " HFB", "Increased HF EQ");
        else
            col.Set(3, "", "");
        return;
    }
    col.Set(1, model + " HF NORM", "Standard HF EQ");
    col.Set(2, model + " HF CUT", "Reduced HF EQ");
    col.Set(3, model + " HF BOOST", "Increased HF EQ");
}

std::string ReferenceNote(const std::string& modelList) {
    return "Refer to HELP and \"Line Array Systems Applications Guide\" for controller settings for " +
           modelList;
}

// Wiring notes A to D: where the subs sit on the amplifier channels.
std::string WiringNote(char which, const std::string& sub, const std::string& modelList) {
    std::string wiring;
    switch (which) {
        case 'A': wiring = "SUBS on [CH1+CH4]passive or active are "; break;
        case 'B': wiring = "SUBS on [CH1+CH3]passive [CH1+CH4]active are "; break;
        case 'C': wiring = "SUBS on [CH1+CH4]passive [CH1]active are "; break;
        default: wiring = "SUBS on [CH1]passive [CH1]active are "; break;
    }
    return wiring + sub + ". " + ReferenceNote(modelList);
}

// Mini cabinets in a passive and an active column.  refModelCount is the
// number of cabinets of the model that holds the reference element.
void MiniPresets(const ControllerInput& in, int n, int refElement, int refModelCount,
                 const std::string& sub, const std::string& modelList, ControllerAdvice& a) {
    a.ColumnHeading1 = "Passive";
    a.ColumnHeading2 = "Active";
    a.ControllerNote = ReferenceNote(modelList);
    if (n <= 2) return;

    const std::string size = SizeText(n);
    const bool flown = Flown(in);
    char note;
    std::string curve;
    bool stereoActive;   // active column still stereo
    bool stereoPassive;  // passive column still stereo
    if (n <= 4) {
        note = flown ? 'A' : 'B';
        curve = flown ? CurveName(in, refElement, refModelCount, 5.0) : "LOCRV";
        stereoActive = stereoPassive = true;
    } else if (n <= 6) {
        note = 'C';
        curve = flown ? CurveName(in, refElement, refModelCount, 6.0) : "LOCRV";
        stereoActive = false;
        stereoPassive = true;
    } else if (n <= 8) {
        note = 'C';
        curve = CurveName(in, refElement, refModelCount, 7.5);
        stereoActive = false;
        stereoPassive = true;
    } else if (n <= 12) {
        note = 'D';
        curve = CurveName(in, refElement, refModelCount, 7.5);
        stereoActive = stereoPassive = false;
    } else {
        note = 'D';
        stereoActive = stereoPassive = false;
    }

    a.ControllerNote = WiringNote(note, sub, modelList);
    Column passive = Column1(a);
    Column active = Column2(a);
    passive.Clear();
    active.Clear();
    if (stereoPassive)
        passive.Set(1, size + "Pavo " + curve + " ST", "Stereo");
    else
        passive.Set(1, size + "Pavo " + curve, "Mono");
    if (stereoActive)
        active.Set(1, size + "Dovi " + curve + " ST", "Stereo");
    else
        active.Set(1, size + "Dovi " + curve, "Mono");
}

// Mini downfill cabinets: no curve, so "Quil " and " ST" meet with two blanks.
void MiniDownfillPresets(const ControllerInput& in, int n, const std::string& sub,
                         ControllerAdvice& a) {
    a.ColumnHeading1 = "Passive";
    a.ColumnHeading2 = "Active";
    if (n <= 0) return;

    const std::string size = SizeText(n);
    Column passive = Column1(a);
    Column active = Column2(a);
    passive.Clear();
    active.Clear();
    if (n <= 4) {
        a.ControllerNote = WiringNote(Flown(in) ? 'A' : 'B', sub, kModelListLong);
        passive.Set(1, size + "Quil " + " ST", "Stereo");
        active.Set(1, size + "Elka " + " ST", "Stereo");
    } else if (n <= 8) {
        a.ControllerNote = WiringNote('C', sub, kModelListLong);
        passive.Set(1, size + "Quil " + " ST", "Stereo");
        active.Set(1, size + "Elka ", "Mono");
    } else {
        a.ControllerNote = WiringNote('D', sub, kModelListLong);
        passive.Set(1, size + "Quil ", "Mono");
        active.Set(1, size + "Elka ", "Mono");
    }
}

// Classes that give no presets of their own: only the first entry of the
// first column is cleared.
void SubOnly(ControllerAdvice& a, const char* note) {
    a.ColumnHeading1.clear();
    a.ColumnHeading2.clear();
    a.ControllerNote = note;
    Column1(a).Set(1, "", "");
}

void Compose(const ControllerInput& in, ControllerAdvice& a) {
    // A code beyond the last type stops with "Range check error".
    const TArrayType type = ArrayTypeOf(in.TypeCode);
    switch (type) {
        case TArrayType::Arvo:
            a.ColumnHeading1.clear();
            a.ColumnHeading2.clear();
            a.ControllerNote.clear();
            FullSizePresets(in, in.ElementCount, 1, in.ElementCount, true, Column1(a));
            break;
        case TArrayType::Bexa:
            a.ColumnHeading1.clear();
            a.ColumnHeading2.clear();
            a.ControllerNote.clear();
            CompactPresets(in, in.ElementCount, in.ElementCount, true, Column1(a));
            if (!Flown(in) && in.ElementCount >= 3) a.ControllerNote = kKatoNote;
            break;
        case TArrayType::Rudd:
        case TArrayType::Hoba:
            SubOnly(a, kSubNoteJumoToKato);
            break;
        case TArrayType::Ivor:
            SubOnly(a, kSubNoteJumoToIvor);
            break;
        case TArrayType::BexaCadri:
            a.ControllerNote = kCadriNote;
            break;
        case TArrayType::ArvoBexa:
            a.ColumnHeading1 = "Arvo Cabinets";
            a.ColumnHeading2 = "Bexa Cabinets";
            a.ControllerNote = kMixNote;
            FullSizePresets(in, in.Count1, 1, in.Count1, false, Column1(a));
            Column2(a).Clear();
            break;
        case TArrayType::RuddBexa:
        case TArrayType::HobaBexa:
            a.ColumnHeading1 = type == TArrayType::RuddBexa ? "Rudd Cabinets" : "Hoba Cabinets";
            a.ColumnHeading2 = "Bexa Cabinets";
            a.ControllerNote = kSubNoteJumoToKato;
            CompactPresets(in, in.Count2, in.ElementCount, false, Column2(a));
            Column1(a).Set(1, "", "");
            break;
        case TArrayType::BexaDovi:
            a.ColumnHeading1 = "Bexa Cabinets";
            a.ColumnHeading2.clear();
            a.ControllerNote = kMixNote;
            CompactPresets(in, in.Count1, in.Count1, true, Column1(a));
            if (!Flown(in) && in.Count1 >= 3) a.ControllerNote = kKatoNote;
            break;
        case TArrayType::RuddArvo:
            a.ColumnHeading1 = "Rudd Cabinets";
            a.ColumnHeading2 = "Arvo Cabinets";
            a.ControllerNote = kSubNoteJumoToKato;
            FullSizePresets(in, in.Count2, rtl::CheckedAdd(in.Count1, 1), in.ElementCount, false,
                            Column2(a));
            Column1(a).Set(1, "", "");
            break;
        case TArrayType::ArvoGiraF:
            a.ColumnHeading1 = "Gira Cabinets";
            a.ColumnHeading2 = "Arvo Cabinets";
            a.ControllerNote = kGiraNote;
            FullSizePresets(in, in.Count1, 1, in.Count1, false, Column2(a));
            Column1(a).Set(1, "", "");
            break;
        case TArrayType::Dovi:
            MiniPresets(in, in.ElementCount, in.ElementCount, in.ElementCount, "Hoba",
                        kModelListShort, a);
            break;
        case TArrayType::HobaDovi:
            MiniPresets(in, in.Count2, in.ElementCount, in.Count2, "Hoba", kModelListShort, a);
            break;
        case TArrayType::IvorDovi:
            MiniPresets(in, in.Count2, in.ElementCount, in.Count2, "Ivor", kModelListShort, a);
            break;
        case TArrayType::DoviElka:
            MiniPresets(in, in.ElementCount, in.Count1, in.Count1, "Hoba", kModelListLong, a);
            break;
        case TArrayType::IvorDoviElka:
            MiniPresets(in, rtl::CheckedAdd(in.Count2, in.Count3), rtl::CheckedAdd(in.Count1, in.Count2),
                        in.Count2, "Ivor", kModelListLong, a);
            break;
        case TArrayType::Elka:
            MiniDownfillPresets(in, in.ElementCount, "Hoba", a);
            break;
        case TArrayType::IvorElka:
            MiniDownfillPresets(in, in.Count2, "Ivor", a);
            break;
    }
}

}  // namespace

void ComposeControllerAdvice(const ControllerInput& in, ControllerAdvice& inout) {
    // Built on a copy so that a guarded failure leaves the shown advice as it was.
    ControllerAdvice work = inout;
    Compose(in, work);
    inout = std::move(work);
}
