#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A start-up stage the game reported (ORBITROVE_STAGES=1, see StageLog):
// its name and the steady clock's reading in milliseconds; none for any
// other line.
std::optional<std::pair<std::string, double>> stageOf(const std::string& line);

// The median time from exec of each stage over several starts, in the order
// of those medians.
class StageTimes {
public:
    // One start's stages, as read, with the moment of its exec.
    void add(const std::vector<std::pair<std::string, double>>& stages, double execMs);
    std::vector<std::pair<std::string, double>> medians() const;

private:
    std::map<std::string, std::vector<double>> times_;
};

double median(std::vector<double> values);
