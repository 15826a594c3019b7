#pragma once

#include <QtGlobal>

#include <chrono>
#include <cstdio>

namespace kirune {

// With KIRUNE_TRACE_STARTUP set, a moment of the start (the window's first paint, the first talk
// text painted) goes to stderr once, in wall-clock microseconds, for bench/startup-time.sh to set
// against the moment it started the program.
inline void TraceStartup(bool& traced, const char* moment) {
    static const bool on = qEnvironmentVariableIsSet("KIRUNE_TRACE_STARTUP");
    if (!on || traced)
        return;
    traced = true;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch());
    std::fprintf(stderr, "kirune: startup %s %lld\n", moment, static_cast<long long>(now.count()));
}

}  // namespace kirune
