#include "bench/Report.h"

#include <functional>
#include <iomanip>
#include <sstream>

namespace {

struct Row {
    const char* label;
    double Figures::*value;
    int decimals;
    const char* target;
    std::function<bool(const Figures&)> met;
};

const Row kRows[] = {
    {"measured window (s)", &Figures::seconds, 2, "", nullptr},
    {"tick lateness, median (ms)", &Figures::latenessMedianMs, 3, "<= 1",
     [](auto& f) { return f.latenessMedianMs <= 1; }},
    {"tick lateness, p99 (ms)", &Figures::latenessP99Ms, 3, "<= 2.5", [](auto& f) { return f.latenessP99Ms <= 2.5; }},
    {"tick lateness, max (ms)", &Figures::latenessMaxMs, 3, "", nullptr},
    {"ticks handled / s", &Figures::ticksPerSecond, 1, "", nullptr},
    {"distinct due times / s", &Figures::dueInstantsPerSecond, 2, "", nullptr},
    {"wake-ups / s", &Figures::wakeUpsPerSecond, 2, "<= distinct due times / s",
     [](auto& f) { return f.wakeUpsPerSecond <= f.dueInstantsPerSecond; }},
    {"voluntary context switches / s", &Figures::voluntarySwitchesPerSecond, 1, "", nullptr},
    {"CPU, user+sys (% of one core)", &Figures::cpuPercentOfCore, 2, "<= 1.5",
     [](auto& f) { return f.cpuPercentOfCore <= 1.5; }},
    {"pixels uploaded / s", &Figures::pixelsPerSecond, 0, "", nullptr},
    {"pixels uploaded / tick (% of window)", &Figures::pixelsPerTickPercentOfWindow, 3, "< 2",
     [](auto& f) { return f.pixelsPerTickPercentOfWindow < 2; }},
    {"peak RSS (MB)", &Figures::peakRssMb, 1, "<= 40", [](auto& f) { return f.peakRssMb <= 40; }},
};

std::string cell(const Row& row, const Figures& figures) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(row.decimals) << figures.*row.value;
    text << (row.met && !row.met(figures) ? "*" : " ");
    return text.str();
}

void copyRow(std::ostream& out, const char* label, const std::vector<CopyColumn>& columns, double CopyFigures::*value) {
    out << std::left << std::setw(38) << label << std::right << std::fixed << std::setprecision(1);
    for (const CopyColumn& column : columns) out << std::setw(15) << column.figures.*value;
    out << '\n';
}

}  // namespace

void printReport(std::ostream& out, const std::vector<ReportColumn>& columns) {
    out << std::left << std::setw(38) << "" << std::right;
    for (const ReportColumn& column : columns) out << std::setw(15) << column.heading;
    out << "   target\n";
    for (const Row& row : kRows) {
        out << std::left << std::setw(38) << row.label << std::right;
        for (const ReportColumn& column : columns) out << std::setw(15) << cell(row, column.figures);
        out << "   " << row.target << '\n';
    }
    out << "* misses its target\n";
}

void printCopyReport(std::ostream& out, const std::vector<CopyColumn>& columns) {
    out << std::left << std::setw(38) << "full-window copy, median (us)" << std::right;
    for (const CopyColumn& column : columns) out << std::setw(15) << "k = " + std::to_string(column.scale);
    out << '\n';
    copyRow(out, "  canvas to window surface", columns, &CopyFigures::copyMedianUs);
    copyRow(out, "  window surface to X server", columns, &CopyFigures::uploadMedianUs);
}
