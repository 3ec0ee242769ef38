#pragma once
// The sub stack dialog.  Made once at start-up and
// kept, with its values, between showings.

#include <QDialog>

class Tssform : public QDialog {
public:
    explicit Tssform(QWidget* owner = nullptr) : QDialog(owner) {
        setObjectName(QStringLiteral("ssform"));
        setAttribute(Qt::WA_QuitOnClose, false);
    }
};
