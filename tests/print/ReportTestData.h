#pragma once

#include "ReportInput.h"

// A small invented lens: 3 f-numbers, 4 frequencies (the last with three
// digits), 4 image heights up to 15 of a 21.6 reference, 2 magnifications.
LensData smallLens();

// The report of smallLens() over the image height with f-number 2,
// magnification 2 and the frequencies 2 and 4 checked, stamped with a fixed
// date and time.
ReportInput smallReport(Abscissa abscissa = Abscissa::ImageHeight);
