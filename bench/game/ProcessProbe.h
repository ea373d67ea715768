#pragma once
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

// Time on the CPU of one thread so far, to the nanosecond.
struct ThreadTime {
    double seconds = 0;
    bool sound = false;  // one of SDL's sound threads ("SDLAudio…")
    std::string name;    // as the thread named itself
};
using ThreadTimes = std::map<pid_t, ThreadTime>;

// What a process used from one reading of its threads to a later one.
struct Usage {
    double cpuSeconds = 0;
    double soundCpuSeconds = 0;
    std::map<std::string, double> secondsByThreadName;  // threads of one name together
};

// A file mapped into a process (or "[heap]", or "anonymous"), with its
// resident memory.
struct MappedRss {
    std::string name;
    double mb = 0;
};

// Resident memory of one or more processes: RSS counts every page a process
// maps, PSS shares each page out among the processes that map it, so PSS
// sums without counting a shared library twice.
struct Memory {
    double rssMb = 0;
    double pssMb = 0;
};

// Reads a running process's threads and memory from /proc.
class ProcessProbe {
public:
    explicit ProcessProbe(pid_t pid);

    // The threads living now.
    ThreadTimes threads() const;
    // Adds the threads living now to `seen`, each at its latest reading, so
    // that a thread that ends keeps the time it was last seen with.
    void update(ThreadTimes& seen) const;
    // The high-water mark of the RSS since the start or the last
    // resetPeak(), in MB.
    double peakRssMb() const;
    // The RSS now, in MB.
    double rssMb() const;
    // The process's memory and its children's together.
    Memory withChildren() const;
    // The processes it started that have not yet been reaped.
    std::vector<pid_t> children() const;
    // The resident memory of each mapped file and of the anonymous memory,
    // largest first.
    std::vector<MappedRss> mappings() const;
    // Lowers the high-water mark to the current RSS, so that the next peak
    // is that of what follows; false when the kernel refuses.
    bool resetPeak() const;

    // What the threads used from `before` to `after`; a thread that started
    // in between counts from nothing.
    static Usage usedBetween(const ThreadTimes& before, const ThreadTimes& after);
    // A "kB" field of /proc/PID/status ("VmHWM", "VmRSS") in MB; 0 when absent.
    static double statusMb(const std::string& status, const std::string& field);
    // The first number of /proc/PID/task/TID/schedstat: nanoseconds on the CPU.
    static double schedstatSeconds(const std::string& schedstat);
    // /proc/PID/smaps text summed by mapping, largest first.
    static std::vector<MappedRss> mappingsIn(const std::string& smaps);

private:
    std::string root_;
};
