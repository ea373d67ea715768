#include "bench/game/ProcessProbe.h"

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
        times[id] = {schedstatSeconds(contents(task.path() / "schedstat")),
                     contents(task.path() / "comm").rfind("SDLAudio", 0) == 0};
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
    }
    return used;
}

double ProcessProbe::peakRssMb() const { return statusMb(contents(root_ + "/status"), "VmHWM"); }

bool ProcessProbe::resetPeak() const {
    std::ofstream clear(root_ + "/clear_refs");
    return static_cast<bool>(clear << "5" << std::flush);
}
