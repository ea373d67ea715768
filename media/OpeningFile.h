#pragma once

// While one lives, the libraries' errors belong to an open in progress: the
// open's own result reports them (see LibraryLog).
class OpeningFile {
public:
    OpeningFile();
    ~OpeningFile();
    OpeningFile(const OpeningFile&) = delete;
    OpeningFile& operator=(const OpeningFile&) = delete;

    // Whether any open is in progress.
    static bool active();
};
