#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
struct Platform;

// The program's six windows, one instance each for the whole run.
inline TForm1 *Form1 = nullptr; // main window
inline TForm2 *Form2 = nullptr; // diameters
inline TForm3 *Form3 = nullptr; // pumps
inline TForm4 *Form4 = nullptr; // tanks
inline TForm5 *Form5 = nullptr; // printer choice
inline TForm6 *Form6 = nullptr; // About

// Creates the six windows hidden, in order; Form2..Form6 are owned by Form1. A
// window's creation handler runs right after it is built, through the error
// wrapper, so a failing creation is shown and start-up goes on.
void createForms(Platform &platform);
// Destroys the six windows (Form1 takes the others with it).
void destroyForms();
