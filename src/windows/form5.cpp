#include "form5.h"

void Form5::buildControls(FormWindow *) {}
