#include "platform/qtapp/updown.h"

#include <QBoxLayout>
#include <QToolButton>

#include <algorithm>
#include <cstdint>

#include "platform/core/errors.h"
#include "platform/qtapp/guarded.h"

namespace qtapp {
namespace {

void CheckSmallint(long long v) {
    if (v < INT16_MIN || v > INT16_MAX) throw rtl::RangeError();
}

}  // namespace

UpDown::UpDown(QWidget* parent, Qt::Orientation orientation)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    const bool vertical = orientation == Qt::Vertical;
    up_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QBoxLayout* box = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft,
                                     this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(up_);
    box->addWidget(down_);
    setFixedSize(vertical ? QSize(17, 22) : QSize(34, 17));
    connect(up_, &QToolButton::clicked, this, Guarded([this] { Press(UDBtnType::Next); }));
    connect(down_, &QToolButton::clicked, this, Guarded([this] { Press(UDBtnType::Prev); }));
}

void UpDown::CheckPosition(long long position) { CheckSmallint(position); }

void UpDown::SetPosition(int position) {
    CheckSmallint(position);
    position_ = std::clamp(position, min_, max_);
}

void UpDown::SetRange(int min, int max) {
    CheckSmallint(min);
    CheckSmallint(max);
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void UpDown::SetIncrement(int increment) {
    CheckSmallint(increment);
    increment_ = increment;
}

bool UpDown::Press(UDBtnType button) {
    const long long next = static_cast<long long>(position_) +
                           (button == UDBtnType::Next ? increment_ : -static_cast<long long>(increment_));
    if (next < min_ || next > max_ || next == position_) return false;
    position_ = static_cast<int>(next);
    emit Click(button);
    return true;
}

}  // namespace qtapp
