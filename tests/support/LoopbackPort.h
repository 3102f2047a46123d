#pragma once

// A loopback port that nothing listened on a moment ago.
int FreeLoopbackPort();
// Whether something on this thread's network listens on that loopback port.
bool AcceptsOnLoopback(int port);
