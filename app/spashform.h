#pragma once
// The splash window: the product picture with its caption, on top of every
// other window while the main window is being built.  After a second it
// fades to a faint picture, after two it closes itself, and until then it
// refuses to close.

#include <QWidget>

class QLabel;
class QTimer;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);

    void Timer1Timer();
    void Timer3Timer();
    // The close veto: true when closing is allowed.
    bool FormCloseQuery();

    int AlphaBlendValue() const { return FAlphaBlendValue; }

    QLabel* spalsh;
    QLabel* Label1;
    QTimer* Timer1;  // 2000 ms: closes the splash
    QTimer* Timer3;  // 1000 ms: fades it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetAlphaBlend(int value);
    int FAlphaBlendValue = 255;
};
