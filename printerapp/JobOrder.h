#pragma once

#include <pappl/pappl.h>

// PAPPL 1.3.1 starts a queue's newest waiting job first: a busy queue would
// print backwards and keep its oldest jobs waiting for as long as new ones
// come. So while a queue sends, the jobs it takes are held as they arrive
// (PAPPL's "hold new jobs", the one hold it applies before a job can start),
// and each time a send ends the oldest waiting job is let go alone.
namespace JobOrder {
// When a job starts: later arrivals wait held.
void Close(pappl_printer_t* printer);
// When a job has been sent: the oldest waiting job is the only one PAPPL
// may start next; with none waiting, the queue takes jobs freely again.
void LetOldestGo(pappl_printer_t* printer);
// Every second, a queue that sends nothing lets its oldest job go, one that
// was still arriving when the last send ended.
void Watch(pappl_system_t* system);
}
