#pragma once
// How the main window's areas make their controls and wire their handlers.
//
// Each area of the window lives in its own file (app/README.md maps them)
// with one builder, TForm1::Build<Area>, and its handlers.  A builder lists
// its controls in tables:
//
//   constexpr formbuild::Spec<QLabel> kLabels[] = {
//       // member            object name   caption   place (x, y, w, h)
//       {&TForm1::MTOTlab, "MTOTlab", nullptr, {116, 4, 120, 18}},
//   };
//   formbuild::Build(*this, Panel7, kLabels);
//
// and its handlers in tables of {control, member function}:
//
//   constexpr formbuild::On<QRadioButton> kHandlers[] = {
//       {&TForm1::MetricRad, &TForm1::MetricRadClick},
//   };
//   formbuild::Connect(*this, kHandlers);
//
// so that a new control or handler is one more line in its area's table.
// The window reaches its controls through the members; the object names
// are for the tests and for reading the widget tree.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

#include "app/background1.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/radio.h"
#include "platform/qtapp/updown.h"

namespace formbuild {

// Where a control sits in its parent.  A negative width or height keeps
// the control's own size: it is only moved.
struct Place {
    int x = 0;
    int y = 0;
    int w = -1;
    int h = -1;
};

inline QString Text(const char* s) { return s != nullptr ? QString::fromUtf8(s) : QString(); }

template <class W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The background colour of an edit, a list or a grid.
inline void SetBase(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

inline void PlaceAt(QWidget* w, const Place& at) {
    if (at.w >= 0 && at.h >= 0)
        w->setGeometry(at.x, at.y, at.w, at.h);
    else
        w->move(at.x, at.y);
}

// A control of type W in `parent`, named, with its caption when it has one.
// Every radio of the window is one that a click never unchecks
// (qtapp::RadioButton), whether Qt groups it or the window does.
template <class W>
W* Make(QWidget* parent, const char* name, const char* caption = nullptr) {
    if constexpr (std::is_same_v<W, QRadioButton>)
        return Named(new qtapp::RadioButton(Text(caption), parent), name);
    else if constexpr (std::is_constructible_v<W, const QString&, QWidget*>)
        return Named(new W(Text(caption), parent), name);
    else
        return Named(new W(parent), name);
}

// One named control that the window keeps in `member`.
template <class W>
struct Spec {
    W* TForm1::*member;
    const char* name;
    const char* caption;  // nullptr: none
    Place at;
};

template <class W, std::size_t N>
void Build(TForm1& form, QWidget* parent, const Spec<W> (&specs)[N]) {
    for (const Spec<W>& s : specs) {
        W* w = Make<W>(parent, s.name, s.caption);
        PlaceAt(w, s.at);
        form.*s.member = w;
    }
}

// A caption no handler ever touches: an unnamed label.
struct CaptionSpec {
    const char* caption;
    Place at;
};

template <std::size_t N>
void BuildCaptions(QWidget* parent, const CaptionSpec (&specs)[N]) {
    for (const CaptionSpec& s : specs) PlaceAt(new QLabel(Text(s.caption), parent), s.at);
}

// A tool bar button: caption under its picture; placed by the tool bar.
struct ToolButtonSpec {
    QToolButton* TForm1::*member;
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
};

template <std::size_t N>
void BuildToolButtons(TForm1& form, QWidget* bar, const ToolButtonSpec (&specs)[N]) {
    for (const ToolButtonSpec& s : specs) {
        auto* b = Make<QToolButton>(bar, s.name);
        b->setText(Text(s.caption));
        b->setIcon(bar->style()->standardIcon(s.icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        form.*s.member = b;
    }
}

// A handler of the window run by a control's event, guarded (an error is
// shown and the program goes on):
// - a radio button, and a tool button of an exclusive pair (checkable and
//   auto-exclusive when connected): when it becomes checked, by the user or
//   by code, once per change;
// - a check box: on every change of its state, by the user or by code;
// - any other button: on a click, a user's choice (UserChoice below);
// - an edit: on every change of its text;
// - a timer: on each tick;
// - an up/down: on a press, a user's choice.
using Handler = void (TForm1::*)();
// An up/down's handler is given the button pressed.
using UpDownHandler = void (TForm1::*)(qtapp::UDBtnType);

// A handler of a user's choice (a list's choice, a grid's cell, an up/down's
// press, a button's click) runs only while the window takes one: once it is
// built and while none of its fills is under way (TForm1::TFillGuard).
template <class F>
auto UserChoice(TForm1* form, F handler) {
    return [form, handler = std::move(handler)](auto&&... args) mutable {
        if (!form->TakesUserChoice()) return;
        if constexpr (std::is_invocable_v<F&, decltype(args)...>)
            handler(std::forward<decltype(args)>(args)...);
        else
            handler();
    };
}

template <class W>
struct On {
    W* TForm1::*control;
    std::conditional_t<std::is_base_of_v<qtapp::UpDown, W>, UpDownHandler, Handler> handler;
};

template <class W, std::size_t N>
void Connect(TForm1& form, const On<W> (&table)[N]) {
    for (const On<W>& h : table) {
        W* control = form.*h.control;
        TForm1* f = &form;
        const auto handler = h.handler;
        if constexpr (std::is_base_of_v<qtapp::UpDown, W>) {
            qtapp::OnUpDownClick(control, f,
                                 UserChoice(f, [f, handler](qtapp::UDBtnType b) { (f->*handler)(b); }));
        } else if constexpr (std::is_base_of_v<QRadioButton, W>) {
            qtapp::OnRadioClick(control, f, [f, handler] { (f->*handler)(); });
        } else if constexpr (std::is_base_of_v<QCheckBox, W>) {
            qtapp::OnCheckChange(control, f, [f, handler] { (f->*handler)(); });
        } else if constexpr (std::is_base_of_v<QAbstractButton, W>) {
            if (control->isCheckable() && control->autoExclusive())
                qtapp::OnChecked(control, f, [f, handler] { (f->*handler)(); });
            else
                QObject::connect(control, &QAbstractButton::clicked, f,
                                 qtapp::Guarded(UserChoice(f, [f, handler] { (f->*handler)(); })));
        } else if constexpr (std::is_base_of_v<QLineEdit, W>) {
            qtapp::OnEditChange(control, f, [f, handler] { (f->*handler)(); });
        } else if constexpr (std::is_base_of_v<QTimer, W>) {
            QObject::connect(control, &QTimer::timeout, f,
                             qtapp::Guarded([f, handler] { (f->*handler)(); }));
        } else {
            static_assert(sizeof(W) == 0, "no handler convention for this kind of control");
        }
    }
}

// The number an edit shows; "'text' is not a valid floating point value"
// when it shows none.
inline double EditNumber(const QLineEdit* edit) {
    double v = 0.0;
    const std::string text = edit->text().toStdString();
    if (!rtl::TryParseDouble(text, v))
        throw rtl::RuntimeError(1, "'" + text + "' is not a valid floating point value");
    return v;
}

}  // namespace formbuild
