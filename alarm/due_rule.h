// When an appointment falls due, and what firing, snoozing, acknowledging and editing leave in its
// record. The alarm check applies the rule to each record once a minute.
#pragma once

#include "alarm/appointment.h"
#include "calendar/clock.h"

// Whether the record may fire today: by its kind, and not yet fired today.
bool IsCandidate(const Appointment& appointment, const LocalTime& now);

// One pass of the check over the record: a candidate with a snooze countdown lowers it and fires
// when it reaches 0, whatever its time; one without fires once its time of day has come.
bool FallsDueAtThisPass(Appointment& appointment, const LocalTime& now);

// Firing: the record counts as fired today (day of the year and year).
void MarkFired(Appointment& appointment, const LocalTime& now);

// After a sound or a program: a one-time appointment is switched off.
void SwitchOffOnce(Appointment& appointment);

// The notice window's Snooze (Esc, close box): armed again at once, held back for snooze_minutes
// passes.
void SnoozeAppointment(Appointment& appointment, int snooze_minutes);

// The notice window's OK: a one-time appointment is switched off, the countdown ends.
void AcknowledgeNotice(Appointment& appointment);

// An edited appointment is armed afresh: not fired, not snoozed.
void ArmAfresh(Appointment& appointment);
