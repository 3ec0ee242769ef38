#pragma once
// How each kind of control runs its handler, the same way everywhere, and
// always guarded:
// - a radio button: when it becomes checked, by the user or by code;
// - a check box: on every change of its state;
// - an edit: on every change of its text;
// - an up/down: on a user press that moves its position (see UpDown);
// - a list: only when the user chooses an entry, never when code sets it.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/updown.h"

namespace qtapp {

template <class F>
QMetaObject::Connection OnRadioClick(QRadioButton* radio, QObject* context, F handler) {
    return QObject::connect(radio, &QRadioButton::toggled, context,
                            Guarded([handler = std::move(handler)](bool on) mutable {
                                if (on) handler();
                            }));
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

}  // namespace qtapp
