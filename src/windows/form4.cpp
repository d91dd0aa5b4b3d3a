#include "form4.h"

void Form4::buildControls(FormWindow *) {}
