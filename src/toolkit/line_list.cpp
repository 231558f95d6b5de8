#include "toolkit/line_list.h"

#include <cstring>

#include "toolkit/file_bytes.h"

namespace {

char* CopyText(std::string_view text) {
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

}  // namespace

LineList::~LineList() { Clear(); }

bool LineList::LoadFromFile(const std::string& path) {
    std::size_t size = 0;
    std::unique_ptr<char[]> block = ReadFileBytes(path, size);
    if (!block) return false;
    AdoptBlock(std::move(block), size);
    return true;
}

void LineList::LoadFromText(std::string_view text) {
    std::unique_ptr<char[]> block(new char[text.size() + 1]);
    std::memcpy(block.get(), text.data(), text.size());
    AdoptBlock(std::move(block), text.size());
}

void LineList::AdoptBlock(std::unique_ptr<char[]> block, std::size_t size) {
    Clear();
    block_ = std::move(block);
    blockSize_ = size;
    char* text = block_.get();
    char* const end = text + size;
    *end = '\0';  // the spare byte: the last line's terminator when no CR ends it

    // A NUL at a line start ends the text, so only the part before the first NUL can hold
    // line starts; counting its CRs sizes the table once.
    const char* nul = static_cast<const char*>(std::memchr(text, '\0', size));
    const char* scanEnd = nul ? nul : end;
    std::size_t lineEnds = 0;
    for (const char* p = text; (p = static_cast<const char*>(std::memchr(p, '\r', scanEnd - p))); ++p)
        ++lineEnds;
    lines_.reserve(lineEnds + 1);

    char* p = text;
    while (p < end && *p != '\0') {
        lines_.push_back(p);
        char* cr = static_cast<char*>(std::memchr(p, '\r', end - p));
        if (!cr) break;
        *cr = '\0';
        p = cr + 1;
        if (p < end && *p == '\n') ++p;
    }
}

std::string_view LineList::Line(int i) const {
    if (i < 0 || i >= Count()) return {};
    return lines_[i];
}

void LineList::SetLine(int i, std::string_view text) {
    char* copy = CopyText(text);
    FreeLine(lines_[i]);
    lines_[i] = copy;
}

void LineList::Add(std::string_view text) { lines_.push_back(CopyText(text)); }

void LineList::DeleteLine(int i) {
    FreeLine(lines_[i]);
    lines_.erase(lines_.begin() + i);
}

void LineList::Clear() {
    for (char* line : lines_) FreeLine(line);
    lines_.clear();
    lines_.shrink_to_fit();
    block_.reset();
    blockSize_ = 0;
}

bool LineList::InBlock(const char* line) const {
    const char* begin = block_.get();
    return begin && std::less_equal<const char*>()(begin, line) &&
           std::less_equal<const char*>()(line, begin + blockSize_);
}

void LineList::FreeLine(char* line) {
    if (!InBlock(line)) delete[] line;
}

char* LineList::ShrinkLine(char* line, std::string_view part) {
    if (!InBlock(line)) {
        char* copy = CopyText(part);
        delete[] line;
        return copy;
    }
    char* start = line + (part.data() - line);
    start[part.size()] = '\0';
    return start;
}
