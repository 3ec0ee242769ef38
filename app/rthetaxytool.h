#pragma once
// The polar-to-Cartesian tool, which stays open beside the main window.  Made once at start-up and
// kept, with its values, between showings.

#include <QWidget>

class TForm3 : public QWidget {
public:
    explicit TForm3(QWidget* owner = nullptr) : QWidget(owner, Qt::Tool) {
        setObjectName(QStringLiteral("Form3"));
        setAttribute(Qt::WA_QuitOnClose, false);
    }
};
