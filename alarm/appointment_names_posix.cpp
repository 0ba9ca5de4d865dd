// Appointment names compared with the letters of code page 1252 folded to lower case.
#include "alarm/appointment_table.h"

#include "common/cp1252.h"

int CompareAppointmentNames(const char* left, const char* right) {
  for (;; ++left, ++right) {
    const int a = Cp1252LowerCase(static_cast<unsigned char>(*left));
    const int b = Cp1252LowerCase(static_cast<unsigned char>(*right));
    if (a != b || a == 0) return a - b;
  }
}
