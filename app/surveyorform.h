#pragma once
// The venue survey dialog.  Made once at start-up and
// kept, with its values, between showings.

#include <QDialog>

class TSurveyForm : public QDialog {
public:
    explicit TSurveyForm(QWidget* owner = nullptr) : QDialog(owner) {
        setObjectName(QStringLiteral("SurveyForm"));
        setAttribute(Qt::WA_QuitOnClose, false);
    }
};
