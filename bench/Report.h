#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "bench/CopyRun.h"
#include "bench/Figures.h"

struct ReportColumn {
    std::string heading;
    Figures figures;
};

// The loops' figures side by side, with the targets the frame loop must
// meet; a value that misses its target is marked with "*".
void printReport(std::ostream& out, const std::vector<ReportColumn>& columns);

struct CopyColumn {
    int scale;
    CopyFigures figures;
};

// The full-window copy's cost at each scale.
void printCopyReport(std::ostream& out, const std::vector<CopyColumn>& columns);
