#pragma once
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// The chunks of a RIFF file (wave and AVI files are such), read where they
// lie: a chunk is found by walking the headers before it, never by reading
// the bodies of others. Chunk sizes are trusted only as far as the file
// reaches.
class RiffFile {
public:
    struct Chunk {
        std::uint64_t start = 0;  // the first byte of its body
        std::uint64_t size = 0;   // as far as the file holds it
    };

    explicit RiffFile(const std::string& fileName);

    // The form's chunk, when the file is a RIFF file of that form ("WAVE",
    // "AVI "); its body is the chunks after the form type.
    std::optional<Chunk> form(const std::string& type);
    // The first chunk called `id` among the chunks in `within`'s body, after
    // `skip` bytes of it (a form's or list's type).
    std::optional<Chunk> find(const Chunk& within, const std::string& id, std::uint64_t skip = 4);
    // The LIST chunks of `type` within `within`, in file order.
    std::vector<Chunk> lists(const Chunk& within, const std::string& type);
    // The first `count` bytes of a chunk's body, or fewer when it is shorter.
    std::vector<unsigned char> read(const Chunk& chunk, std::size_t count);

    static std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int count);

private:
    std::string word(std::uint64_t at);

    std::ifstream in_;
    std::uint64_t fileSize_ = 0;
};
