#include "bench/game/ProcessProbe.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

constexpr double kKbPerMb = 1024.0;

}  // namespace

ProcessProbe::ProcessProbe(pid_t pid) : root_("/proc/" + std::to_string(pid)) {}

double ProcessProbe::statusMb(const std::string& status, const std::string& field) {
    std::istringstream lines(status);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(field + ":", 0) != 0) continue;
        std::istringstream value(line.substr(field.size() + 1));
        double kb = 0;
        value >> kb;
        return kb / kKbPerMb;
    }
    return 0;
}

double ProcessProbe::schedstatSeconds(const std::string& schedstat) {
    std::istringstream fields(schedstat);
    double ns = 0;
    fields >> ns;
    return ns / 1e9;
}

ThreadTimes ProcessProbe::threads() const {
    ThreadTimes times;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(root_ + "/task", error)) {
        pid_t id = std::stoi(task.path().filename().string());
        std::string name = contents(task.path() / "comm");
        if (!name.empty() && name.back() == '\n') name.pop_back();
        times[id] = {schedstatSeconds(contents(task.path() / "schedstat")), name.rfind("SDLAudio", 0) == 0, name};
    }
    return times;
}

void ProcessProbe::update(ThreadTimes& seen) const {
    for (const auto& [id, time] : threads()) seen[id] = time;
}

Usage ProcessProbe::usedBetween(const ThreadTimes& before, const ThreadTimes& after) {
    Usage used;
    for (const auto& [id, time] : after) {
        auto was = before.find(id);
        double seconds = time.seconds - (was == before.end() ? 0 : was->second.seconds);
        used.cpuSeconds += seconds;
        if (time.sound) used.soundCpuSeconds += seconds;
        used.secondsByThreadName[time.name] += seconds;
    }
    return used;
}

double ProcessProbe::peakRssMb() const { return statusMb(contents(root_ + "/status"), "VmHWM"); }

double ProcessProbe::rssMb() const { return statusMb(contents(root_ + "/status"), "VmRSS"); }

std::vector<pid_t> ProcessProbe::children() const {
    std::vector<pid_t> pids;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(root_ + "/task", error)) {
        std::istringstream list(contents(task.path() / "children"));
        for (pid_t pid; list >> pid;) pids.push_back(pid);
    }
    return pids;
}

// A child that ends between the listing and its reading adds nothing.
Memory ProcessProbe::withChildren() const {
    Memory sum;
    std::vector<std::string> roots{root_};
    for (pid_t child : children()) roots.push_back("/proc/" + std::to_string(child));
    for (const std::string& root : roots) {
        std::string rollup = contents(root + "/smaps_rollup");
        sum.rssMb += statusMb(rollup, "Rss");
        sum.pssMb += statusMb(rollup, "Pss");
    }
    return sum;
}

std::vector<MappedRss> ProcessProbe::mappings() const { return mappingsIn(contents(root_ + "/smaps")); }

// A mapping's header line has an address range first; its fields follow,
// "Rss:" among them.
std::vector<MappedRss> ProcessProbe::mappingsIn(const std::string& smaps) {
    std::map<std::string, double> byName;
    std::istringstream lines(smaps);
    std::string current = "anonymous";
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        if (first.find('-') != std::string::npos && first.find(':') == std::string::npos) {
            std::string perms, offset, device, inode, path;
            fields >> perms >> offset >> device >> inode;
            std::getline(fields >> std::ws, path);
            current = path.empty() ? "anonymous" : path;
        } else if (first == "Rss:") {
            double kb = 0;
            fields >> kb;
            byName[current] += kb / kKbPerMb;
        }
    }
    std::vector<MappedRss> result;
    for (const auto& [name, mb] : byName) result.push_back({name, mb});
    std::sort(result.begin(), result.end(), [](const MappedRss& a, const MappedRss& b) { return a.mb > b.mb; });
    return result;
}

bool ProcessProbe::resetPeak() const {
    std::ofstream clear(root_ + "/clear_refs");
    return static_cast<bool>(clear << "5" << std::flush);
}
