// Appointment names compared with the letters of code page 1252 folded to lower case.
#include "alarm/appointment_table.h"

#include "common/cp1252.h"

int CompareAppointmentNames(const char* left, const char* right) { return CompareIgnoringCase(left, right); }
