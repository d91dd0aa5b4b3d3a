#pragma once

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

// The one object of each window kind, created on first use.
Form1 &form1();
Form2 &form2();
Form3 &form3();
Form4 &form4();
Form5 &form5();
Form6 &form6();

// Ends the run at once, whatever windows are open.
void endProgram();

// Destroys every window object, as if a new run began; for tests.
void resetRun();
