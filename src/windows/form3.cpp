#include "form3.h"

void Form3::buildControls(FormWindow *) {}
