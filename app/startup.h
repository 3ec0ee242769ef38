#pragma once
// The program's start-up: the splash, the windows in their order, the
// message loop.

#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TSurveyForm;
class Tmechwarn;
class Tssform;

// The program's windows, made once at start-up; owned by RunProgram.
extern TForm2* Form2;
extern TForm1* Form1;
extern Tmechwarn* mechwarn;
extern TForm3* Form3;
extern TSurveyForm* SurveyForm;
extern Tssform* ssform;

// The application's title, "Corvane Audio Orandel 4.1"; the windows'
// captions are shown as they are, nothing appended.
void NameApplication();

// The look of every window: greyed values that read on the colours the
// array page gives its lists and edits as on the desktop's own, and the
// focus always in sight.  Once the application object exists, before any
// window is made.
void UseProgramLook();

// Runs the whole program; returns its exit status.
int RunProgram(int argc, char** argv);
