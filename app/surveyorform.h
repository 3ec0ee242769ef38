#pragma once
// The venue survey dialog: the audience planes described by what a laser
// distance meter and an inclinometer read from one reference point, the
// slant distance ("diagonal") and the angle above the horizontal of each
// plane end.  Made once at start-up and kept between showings; every
// showing starts from Setup.
//
// Geometry in metres, x away from the array, y up.  The reference point is
// (HorOffset, RefHeight).  Plane 1 runs from (0, 0) to (P1Length,
// P1Height); plane 2 from (P1Length, P2Elev) on by (P2Length, P2Height);
// plane 3 from (P3Dist, P3Elev) on by (P3Length, P3Height).
//
// Modal results: 1 for "Update Venue" (read the planes with GetResults),
// 2 for "Cancel".

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class TSurveyForm : public QDialog {
public:
    explicit TSurveyForm(QWidget* owner = nullptr);

    // The metric flag and the nine plane values in metres, in the order of
    // the fields below; the reference point returns to its defaults.
    void Setup(bool unitsFlag, double p1Length, double p1Height, double p2Length,
               double p2Height, double p2Elev, double p3Length, double p3Height, double p3Elev,
               double p3Dist);
    void GetResults(double& p1Length, double& p1Height, double& p2Length, double& p2Height,
                    double& p2Elev, double& p3Length, double& p3Height, double& p3Elev,
                    double& p3Dist) const;

    // Derives every measurement from the plane values and shows them.
    void ShowValues();
    // Reads every edit and derives the plane values from the measurements.
    void ComputePlanes();

    // Whether plane 2 and plane 3 take part, the way the venue decides it.
    bool Plane2Present() const;
    bool Plane3Present() const;

    // Handlers.
    void P1DLRedExit();
    void P1ARedExit();
    void P2DLFedExit();
    void P2AFedExit();
    void P2DLRedExit();
    void P2ARedExit();
    void P3DLFedExit();
    void P3AFedExit();
    void P3DLRedExit();
    void P3ARedExit();
    void dedExit();
    void ledExit();
    void P2enablechkClick();
    void P3enablechkClick();
    void UpdateButClick();
    void CancelbutClick();

    // 1 when metric, else feet per metre: shown lengths are metres times it.
    double LengthFactor = 1.0;
    double RefHeight = 1.8;
    double HorOffset = 0.0;
    // The plane values, metres.
    double P1Length = 0.0, P1Height = 0.0;
    double P2Length = 0.0, P2Height = 0.0, P2Elev = 0.0;
    double P3Length = 0.0, P3Height = 0.0, P3Elev = 0.0, P3Dist = 0.0;
    // The measurements: diagonals in metres, angles in radians.
    double P1RearDiag = 0.0, P1RearAngle = 0.0;
    double P2FrontDiag = 0.0, P2FrontAngle = 0.0, P2RearDiag = 0.0, P2RearAngle = 0.0;
    double P3FrontDiag = 0.0, P3FrontAngle = 0.0, P3RearDiag = 0.0, P3RearAngle = 0.0;

    QWidget* Panel1;
    QLineEdit* P1DLRed;
    QLineEdit* P1ARed;
    QWidget* Panel2;
    QLineEdit* P2DLFed;
    QLineEdit* P2AFed;
    QLineEdit* P2DLRed;
    QLineEdit* P2ARed;
    QCheckBox* P2enablechk;
    QWidget* Panel3;
    QLineEdit* P3DLFed;
    QLineEdit* P3AFed;
    QLineEdit* P3DLRed;
    QLineEdit* P3ARed;
    QCheckBox* P3enablechk;
    QWidget* Panel4;
    QLineEdit* ded;
    QLineEdit* led;
    QPushButton* UpdateBut;
    QPushButton* Cancelbut;

private:
    // Reading rule: a text that is no number keeps the value; the edit then
    // shows the value again.
    void ReadLength(QLineEdit* edit, double& value);
    void ReadAngle(QLineEdit* edit, double& value);
    void ShowLength(QLineEdit* edit, double metres);
    void ShowAngle(QLineEdit* edit, double radians);
    // Diagonal and angle from the reference point to (x, y).
    void Measure(double x, double y, double& diag, double& angle) const;
    void ShowPlane2();
    void ShowPlane3();

    double FScratch = 0.0;  // the value being re-read, to restore it
};
