#pragma once

// A loopback port that nothing listened on a moment ago.
int FreeLoopbackPort();
