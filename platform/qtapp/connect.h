#pragma once
// How each kind of control runs its handler, the same way everywhere, and
// always guarded:
// - a radio button, or any button that is one of an exclusive choice (a
//   checkable, auto-exclusive tool button): when it becomes checked, by the
//   user or by code; once per change, never for the one that was unchecked;
// - a check box: on every change of its state, by the user or by code;
// - an edit: on every change of its text;
// - an up/down: on a user press that moves its position (see UpDown);
// - a list: only when the user chooses an entry, never when code sets it;
// - leaving a control (it loses the keyboard focus): OnFocusOut.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>
#include <utility>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/updown.h"

namespace qtapp {

// Checking one button of a choice unchecks the one checked before it first
// (Qt does so for an auto-exclusive group; a window that keeps its group
// itself does so in the handler), so the handler sees the choice as it now
// stands.
template <class F>
QMetaObject::Connection OnChecked(QAbstractButton* button, QObject* context, F handler) {
    return QObject::connect(button, &QAbstractButton::toggled, context,
                            Guarded([handler = std::move(handler)](bool on) mutable {
                                if (on) handler();
                            }));
}

template <class F>
QMetaObject::Connection OnRadioClick(QRadioButton* radio, QObject* context, F handler) {
    return OnChecked(radio, context, std::move(handler));
}

template <class F>
QMetaObject::Connection OnCheckChange(QCheckBox* box, QObject* context, F handler) {
    return QObject::connect(box, &QCheckBox::toggled, context,
                            Guarded([handler = std::move(handler)] () mutable { handler(); }));
}

template <class F>
QMetaObject::Connection OnEditChange(QLineEdit* edit, QObject* context, F handler) {
    return QObject::connect(edit, &QLineEdit::textChanged, context,
                            Guarded([handler = std::move(handler)] () mutable { handler(); }));
}

// The handler is given the button pressed.
template <class F>
QMetaObject::Connection OnUpDownClick(UpDown* upDown, QObject* context, F handler) {
    return QObject::connect(upDown, &UpDown::Click, context,
                            Guarded([handler = std::move(handler)](UDBtnType b) mutable {
                                handler(b);
                            }));
}

template <class F>
QMetaObject::Connection OnListChoice(QComboBox* list, QObject* context, F handler) {
    return QObject::connect(list, &QComboBox::activated, context,
                            Guarded([handler = std::move(handler)] () mutable { handler(); }));
}

template <class F>
QMetaObject::Connection OnButtonClick(QAbstractButton* button, QObject* context, F handler) {
    return QObject::connect(button, &QAbstractButton::clicked, context,
                            Guarded([handler = std::move(handler)] () mutable { handler(); }));
}

namespace detail {
class FocusOutWatch : public QObject {
public:
    FocusOutWatch(QObject* watched, std::function<void()> handler)
        : QObject(watched), handler_(std::move(handler)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut && IsLeaving(static_cast<QFocusEvent*>(e)->reason()))
            handler_();
        return false;  // the control loses its focus as ever
    }
    // The user moved on to another control (a Tab or a click); the window
    // losing activation, a dialog opening or the page being hidden is no
    // leaving of the control.
    static bool IsLeaving(Qt::FocusReason r) {
        return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason;
    }

private:
    std::function<void()> handler_;
};
}  // namespace detail

// The handler runs when the user moves the keyboard focus from `control` to
// another control, by a Tab or a click.  The watch
// lives as long as the control; a window that owns the control clears the
// focus before it takes its own state down, so that no handler runs on a
// window half gone.
template <class F>
void OnFocusOut(QWidget* control, F handler) {
    control->installEventFilter(
        new detail::FocusOutWatch(control, Guarded([handler = std::move(handler)]() mutable {
                                      handler();
                                  })));
}

}  // namespace qtapp
