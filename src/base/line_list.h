#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_bytes.h"

// An ordered list of text lines. A loaded file's text is kept in one block and split in
// place (each line end becomes a terminator), so a loaded list costs about the file's size
// plus one pointer per line. Lines set later get storage of their own.
class LineList {
public:
    LineList() = default;
    ~LineList();
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;

    // Replaces all lines by the lines of the file; false if it can't be read (the list is
    // unchanged when the file can't be opened, and empty after a read error).
    bool LoadFromFile(const NativePath& path);
    // Replaces all lines by the lines of the text, split by the same rules as a file.
    void LoadFromText(std::string_view text);

    int Count() const { return static_cast<int>(lines_.size()); }
    // The text of line i; the empty text for an index outside the list.
    std::string_view Line(int i) const;
    void SetLine(int i, std::string_view text);
    void Add(std::string_view text);
    void DeleteLine(int i);
    void Clear();

    // Rewrites every line to a part of itself chosen by narrow(line), dropping lines whose
    // part is empty. The part must lie inside the line it came from; no line is copied.
    template <class Narrow>
    void NarrowLines(Narrow narrow) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            std::string_view part = narrow(std::string_view(lines_[i]));
            if (part.empty()) {
                FreeLine(lines_[i]);
                continue;
            }
            lines_[kept++] = ShrinkLine(lines_[i], part);
        }
        lines_.resize(kept);
    }

private:
    // Frees the lines of their own and forgets all lines; the block and the line table
    // keep their memory for the next load.
    void DropLines();
    // Splits the block's blockSize_ bytes (plus one spare byte) into lines.
    void SplitBlock();
    bool InBlock(const char* line) const;
    void FreeLine(char* line);
    char* ShrinkLine(char* line, std::string_view part);

    ByteBlock block_;
    std::size_t blockSize_ = 0;
    std::vector<char*> lines_;  // each a terminated text, in block_ or owned by this list
};
