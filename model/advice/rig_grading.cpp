#include "model/advice/rig_grading.h"

#include <initializer_list>

namespace advice {

const std::array<std::string, kAdviceCount>& AdviceTexts() {
    static const std::array<std::string, kAdviceCount> texts = {
        "Try increasing the Coverage Start position",
        "Try decreasing the Coverage Start position",
        "Try reducing the number of boxes",
        "Try increasing the Coverage Stop position",
        "Try decreasing the Coverage Stop position",
        "Try increasing the Array Height",
        "Try decreasing the Array Height",
        "Center of gravity is not between the grid pick points",
        "The load on the front grid pick point is too high",
        "The load on the rear grid pick point is too high",
        "The load on front cabinet couplings is too high",
        "The load on rear cabinet couplings is too high",
        "Check that cabs are in front position on grid",
        "Check that cabs are on rear position on grid",
        "Check that lift bar is in front position`",
        "Check that lift bar is in rear position",
        "C.O.G is not coincident with any Hole",
        "Adjust grid angle until C.O.G. is between pick points",
    };
    return texts;
}

namespace {

class TipChooser {
public:
    explicit TipChooser(RigWarnings& w) : w_(w) {}

    bool AnyMarked() const {
        for (bool m : marked_)
            if (m) return true;
        return false;
    }
    void Mark(WarningRow r, bool on) { marked_[static_cast<std::size_t>(r)] = on; }

    void Advice(std::initializer_list<int> numbers) {
        std::size_t i = 0;
        for (int n : numbers) w_.Tips.at(i++) = AdviceTexts().at(static_cast<std::size_t>(n));
        for (; i < w_.Tips.size(); ++i) w_.Tips[i].clear();
    }
    void Texts(std::initializer_list<std::string> texts) {
        std::size_t i = 0;
        for (const std::string& t : texts) w_.Tips.at(i++) = t;
        for (; i < w_.Tips.size(); ++i) w_.Tips[i].clear();
    }

private:
    RigWarnings& w_;
    std::array<bool, 4> marked_{};
};

// One grid row.  The front row (first) always sets its tips; the rear row
// only while no row has.
RigGrade GridRow(TipChooser& tips, WarningRow row, double sf, double load, bool first,
                 std::initializer_list<int> caution, std::initializer_list<int> negativeLoad) {
    const RigGrade g = GradeOfSafetyFactor(sf);
    const bool unsafe = g == RigGrade::Unsafe || load < 0;
    if (g == RigGrade::Caution && (first || !tips.AnyMarked())) {
        tips.Mark(row, true);
        tips.Advice(caution);
    }
    if (g == RigGrade::Safe && (first || !tips.AnyMarked())) {
        tips.Mark(row, false);
        tips.Advice({});
    }
    if (unsafe && (first || !tips.AnyMarked())) {
        tips.Mark(row, true);
        tips.Advice(load < 0 ? negativeLoad : caution);
    }
    return unsafe ? RigGrade::Unsafe : g;
}

RigGrade CouplingRow(TipChooser& tips, WarningRow row, double sf, int advice) {
    const RigGrade g = GradeOfSafetyFactor(sf);
    if (tips.AnyMarked()) return g;
    const std::string& text = AdviceTexts().at(static_cast<std::size_t>(advice));
    switch (g) {
        case RigGrade::Caution:
            tips.Mark(row, true);
            tips.Texts({text});
            break;
        case RigGrade::Safe:
            tips.Mark(row, false);
            tips.Texts({});
            break;
        case RigGrade::Unsafe:
            tips.Mark(row, true);
            tips.Texts({text, "Unsafe"});
            break;
    }
    return g;
}

}  // namespace

RigWarnings ChooseRigWarnings(const RigWarningInput& in) {
    RigWarnings w;
    if (in.RigMode == 2) {
        w.Layout = WarningLayout::GroundStacked;
        w.Tips[0] = "Fix Grid to floor ";
        w.Tips[1] = "Reduce allowable horizontal pull/push force";
        return w;
    }
    if (in.RigMode != 1) return w;  // Unchanged

    w.Layout = WarningLayout::Flown;
    const bool liftBarOnePoint = in.PickOption == 4;
    if (liftBarOnePoint)
        w.Cog = CogLine::Hidden;
    else
        w.Cog = (in.FrontPickLoad < 0 || in.RearPickLoad < 0) ? CogLine::NotBetween
                                                              : CogLine::Between;

    TipChooser tips(w);
    auto& rows = w.Rows;
    rows[0] = GridRow(tips, WarningRow::GridFront, in.GridFrontSF, in.FrontPickLoad, true,
                      {8, 0, 2, 3, 6, 12}, {7, 0, 2, 3, 6, 12, 15});
    rows[1] = GridRow(tips, WarningRow::GridRear, in.GridRearSF, in.RearPickLoad, false,
                      {9, 1, 2, 4, 5, 13}, {7, 1, 2, 4, 5, 13, 14});
    rows[2] = CouplingRow(tips, WarningRow::CabinetFront, in.CouplingFrontSF, 10);
    rows[3] = CouplingRow(tips, WarningRow::CabinetRear, in.CouplingRearSF, 11);

    if (liftBarOnePoint) {
        w.GridRowsApply = false;
        if (in.BestHole <= -1) {
            w.NoUsableHole = true;
            w.Tips[0] = AdviceTexts()[17];
        }
    }
    return w;
}

}  // namespace advice
