// Counting and formatting of caught failures; the sink decides where the lines go.
#include "platform/trace.h"

#include <atomic>
#include <exception>

namespace plat {
namespace {

std::atomic<unsigned long> g_caught{0};
std::atomic<TraceSink> g_sink{nullptr};

}  // namespace

void RecordCaught(const char* where, const std::string& what) noexcept {
    ++g_caught;
    TraceSink sink = g_sink.load();
    if (!sink) return;
    try {
        sink(std::string("Relanto: ") + (where ? where : "?") + ": " + what);
    } catch (const std::exception&) {
        // Out of memory for the line itself: the count above already holds the failure.
    }
}

unsigned long CaughtFailures() { return g_caught.load(); }

TraceSink SetTraceSink(TraceSink sink) { return g_sink.exchange(sink); }

std::string DescribeCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}

}  // namespace plat
