#pragma once
// A radio button as users know it: a click checks it, and a click on a
// radio that is already checked leaves it checked.  Only code unchecks a
// radio.
//
// Qt's automatic exclusivity gives that only to radios it groups itself,
// and such a group can never be left with nothing checked, not even by code.
// A window that must clear a group from code (a choice spread over two
// pages, a "clear" button) turns the automatic exclusivity off and keeps
// the group itself; Qt would then let a click toggle the checked radio off.
// This radio never does, whichever way it is grouped.

#include <QRadioButton>

namespace qtapp {

class RadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    // A user's click (mouse, space key, click()) ends here.
    void nextCheckState() override {
        if (!isChecked()) setChecked(true);
    }
};

}  // namespace qtapp
