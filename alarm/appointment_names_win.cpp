// Appointment names compared as the user's locale orders them, ignoring case.
#include <windows.h>

#include "alarm/appointment_table.h"

int CompareAppointmentNames(const char* left, const char* right) { return lstrcmpiA(left, right); }
