#include "media/RiffFile.h"

#include <algorithm>

RiffFile::RiffFile(const std::string& fileName) : in_(fileName, std::ios::binary) {
    in_.seekg(0, std::ios::end);
    std::streamoff end = in_.tellg();
    fileSize_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

std::vector<unsigned char> RiffFile::read(const Chunk& chunk, std::size_t count) {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(count, chunk.size)));
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(chunk.start));
    in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0)));
    return bytes;
}

std::string RiffFile::word(std::uint64_t at) {
    std::vector<unsigned char> bytes = read({at, 4}, 4);
    return {bytes.begin(), bytes.end()};
}

std::uint32_t RiffFile::little(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

std::optional<RiffFile::Chunk> RiffFile::form(const std::string& type) {
    if (fileSize_ < 12 || word(0) != "RIFF" || word(8) != type) return std::nullopt;
    std::uint64_t size = little(read({4, 4}, 4), 0, 4);
    return Chunk{8, std::min(size, fileSize_ - 8)};
}

// Chunks start on even offsets: an odd-sized body is followed by a pad byte.
std::optional<RiffFile::Chunk> RiffFile::find(const Chunk& within, const std::string& id, std::uint64_t skip) {
    std::uint64_t end = within.start + within.size;
    for (std::uint64_t at = within.start + skip; at + 8 <= end;) {
        std::vector<unsigned char> header = read({at, 8}, 8);
        if (header.size() < 8) return std::nullopt;
        std::uint64_t size = little(header, 4, 4);
        Chunk chunk{at + 8, std::min(size, end - (at + 8))};
        if (std::equal(id.begin(), id.end(), header.begin())) return chunk;
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

std::vector<RiffFile::Chunk> RiffFile::lists(const Chunk& within, const std::string& type) {
    std::vector<Chunk> found;
    for (std::uint64_t skip = 4; auto chunk = find(within, "LIST", skip);) {
        if (word(chunk->start) == type) found.push_back(*chunk);
        skip = chunk->start + chunk->size + (chunk->size & 1) - within.start;
    }
    return found;
}
