#pragma once

#include "host/Host.h"

namespace kirune {

// Yields to the event loop until the given time has passed. Measured on the monotonic clock,
// so a wait across midnight still ends.
inline void Wait(Host& host, double seconds) {
    const qint64 end = host.NowMs() + qint64(seconds * 1000.0 + 0.5);
    while (host.NowMs() < end)
        host.Pump(end);
}

}  // namespace kirune
