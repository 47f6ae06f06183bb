// Failures caught where no exception may pass (window procedures, COM calls) leave a trace: a line on the
// platform's debug output and a process-wide count that tests read.
#pragma once

#include <string>

namespace plat {

// Receives each trace line; the Win32 side sends it to the debugger's output.
using TraceSink = void (*)(const std::string& line);

// Counts a failure caught at `where` and hands "Relanto: <where>: <what>" to the sink, if one is set.
void RecordCaught(const char* where, const std::string& what) noexcept;

// How many failures RecordCaught has counted since the process started.
unsigned long CaughtFailures();

// Installs the sink and returns the one it replaces (null: lines are only counted).
TraceSink SetTraceSink(TraceSink sink);

// Inside a catch block: what the exception in flight says about itself.
std::string DescribeCurrentException();

}  // namespace plat
