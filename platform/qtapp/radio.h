#pragma once
// A radio button as users know it: a click checks it, and a click on a
// radio that is already checked leaves it checked.  Only code unchecks a
// radio.  The keyboard reaches a group through its checked radio.
//
// Qt's automatic exclusivity gives that only to radios it groups itself,
// and such a group can never be left with nothing checked, not even by code.
// A window that must clear a group from code (a choice spread over two
// pages, a "clear" button) turns the automatic exclusivity off and keeps
// the group itself; Qt would then let a click toggle the checked radio off.
// This radio never does, whichever way it is grouped.

#include <QButtonGroup>
#include <QList>
#include <QRadioButton>

namespace qtapp {

class RadioButton : public QRadioButton {
public:
    explicit RadioButton(QWidget* parent = nullptr) : QRadioButton(parent) { FollowChecks(); }
    explicit RadioButton(const QString& text, QWidget* parent = nullptr)
        : QRadioButton(text, parent) {
        FollowChecks();
    }

protected:
    // A user's click (mouse, space key, click()) ends here.
    void nextCheckState() override {
        if (!isChecked()) setChecked(true);
    }

private:
    // Tab stops at a group's checked radio, whoever checked it: Qt moves
    // the group's tab stop only when a radio takes the focus, so Tab would
    // land on the group's first radio whichever is checked.
    void FollowChecks() {
        connect(this, &QAbstractButton::toggled, this, [this](bool on) {
            if (on) TakeGroupTabStop();
        });
    }

    // The stop moves only within a group that has one: a group the window
    // took out of the Tab order stays out.
    void TakeGroupTabStop() {
        bool groupStops = (focusPolicy() & Qt::TabFocus) != 0;
        for (QAbstractButton* mate : GroupMates())
            if (mate != this && mate->isCheckable()) {
                groupStops = groupStops || (mate->focusPolicy() & Qt::TabFocus) != 0;
                mate->setFocusPolicy(static_cast<Qt::FocusPolicy>(mate->focusPolicy() & ~Qt::TabFocus));
            }
        if (groupStops) setFocusPolicy(static_cast<Qt::FocusPolicy>(focusPolicy() | Qt::TabFocus));
    }

    // The buttons Qt keeps exclusive with this one; none where the window
    // keeps the group itself.
    QList<QAbstractButton*> GroupMates() const {
        if (QButtonGroup* g = group()) return g->buttons();
        QList<QAbstractButton*> mates;
        if (!autoExclusive() || parentWidget() == nullptr) return mates;
        for (QAbstractButton* b :
             parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive()) mates.append(b);
        return mates;
    }
};

}  // namespace qtapp
