#pragma once

#include <pappl/pappl.h>

// PAPPL 1.3.1 starts a queue's newest waiting job first: a busy queue would
// print backwards and keep its oldest jobs waiting for as long as new ones
// come. So once a job has been sent, the queue's other waiting jobs but the
// oldest are held, leaving PAPPL that one to start next, and they wait as
// before once it has started.
namespace JobOrder {
// When a job starts: the jobs held for the order wait again.
void ReleaseHeld(pappl_printer_t* printer);
// When a job has been sent: every waiting job of the queue but the oldest
// is held, until PAPPL has started that one, which releases them at once.
void HoldAllButOldest(pappl_printer_t* printer);
}
