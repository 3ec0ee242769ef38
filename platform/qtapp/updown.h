#pragma once
// The up/down control: a pair of arrow buttons over an integer position
// with a minimum, a maximum and an increment, without wrap-around.  Its
// Click signal fires only on a user press that moves the position inside
// its range; setting the position from code never fires it.

#include <QWidget>

class QToolButton;

namespace qtapp {

enum class UDBtnType { Next, Prev };  // up, down

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    int Position() const { return position_; }
    // The position must fit the control's 16 bits (else "Range check
    // error"); it is then kept inside the range.
    void SetPosition(int position);
    // The check SetPosition makes, for a caller that must know beforehand.
    static void CheckPosition(long long position);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Both within 16 bits, else "Range check error"; the position follows.
    void SetRange(int min, int max);
    int Increment() const { return increment_; }
    void SetIncrement(int increment);

    // What a press of the up (Next) or down (Prev) button does: moves the
    // position by the increment when the result stays inside the range and
    // then fires Click.  True when it moved.
    bool Press(UDBtnType button);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void Click(qtapp::UDBtnType button);

private:
    QToolButton* up_;
    QToolButton* down_;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
};

}  // namespace qtapp
