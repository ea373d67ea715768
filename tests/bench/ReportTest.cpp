#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "bench/Report.h"

namespace {

std::string lineOf(const std::string& report, const std::string& label) {
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(label, 0) == 0) return line;
    return "";
}

// Every figure exactly on its target.
Figures onTarget() {
    Figures f;
    f.latenessMedianMs = 1;
    f.latenessP99Ms = 2.5;
    f.latenessMaxMs = 99;
    f.dueInstantsPerSecond = 60;
    f.wakeUpsPerSecond = 60;
    f.cpuPercentOfCore = 1.5;
    f.pixelsPerTickPercentOfWindow = 1.99;
    f.peakRssMb = 40;
    return f;
}

TEST(ReportTest, MarksExactlyTheFiguresThatMissTheirTargets) {
    Figures missed = onTarget();
    missed.latenessMedianMs = 1.001;
    missed.wakeUpsPerSecond = 60.1;
    missed.pixelsPerTickPercentOfWindow = 2;
    missed.peakRssMb = 40.5;
    std::ostringstream out;
    printReport(out, {{"on target", onTarget()}, {"missed", missed}});
    std::string report = out.str();
    EXPECT_EQ(std::count(report.begin(), report.end(), '*'), 5);  // four misses and the footnote
    std::string median = lineOf(report, "tick lateness, median");
    EXPECT_NE(median.find(" 1.000 "), std::string::npos);
    EXPECT_NE(median.find(" 1.001*"), std::string::npos);
    EXPECT_NE(lineOf(report, "wake-ups").find(" 60.10*"), std::string::npos);
    EXPECT_NE(lineOf(report, "pixels uploaded / tick").find(" 2.000*"), std::string::npos);
    EXPECT_NE(lineOf(report, "peak RSS").find(" 40.5*"), std::string::npos);
}

TEST(ReportTest, CopyFiguresStandUnderTheirScales) {
    std::ostringstream out;
    printCopyReport(out, {{1, {120.25, 900}}, {3, {700, 8100.5}}});
    std::string report = out.str();
    EXPECT_NE(lineOf(report, "full-window copy").find("k = 1          k = 3"), std::string::npos);
    EXPECT_NE(lineOf(report, "  canvas to window surface").find("120.2          700.0"), std::string::npos);
    EXPECT_NE(lineOf(report, "  window surface to X server").find("900.0         8100.5"), std::string::npos);
}

}  // namespace
