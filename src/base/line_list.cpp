#include "base/line_list.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

char* CopyText(std::string_view text) {
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

}  // namespace

LineList::~LineList() { Clear(); }

bool LineList::LoadFromFile(const NativePath& path) {
    FileReader file(path);
    if (!file.IsOpen()) return false;
    // The text goes into the memory this list already holds: on some machines the first
    // write to fresh memory costs more than reading and splitting the text.
    DropLines();
    std::size_t size = 0;
    if (!file.ReadAll(block_, size)) {
        Clear();
        return false;
    }
    blockSize_ = size;
    SplitBlock();
    return true;
}

void LineList::LoadFromText(std::string_view text) {
    // A block of its own first: the text may lie in this list's block.
    ByteBlock block(static_cast<char*>(std::malloc(text.size() + 1)));
    if (!block) {
#if __cpp_exceptions
        throw std::bad_alloc();
#else
        std::abort();  // as operator new does where nothing can be thrown (the web page's module)
#endif
    }
    std::memcpy(block.get(), text.data(), text.size());
    Clear();
    block_ = std::move(block);
    blockSize_ = text.size();
    SplitBlock();
}

void LineList::SplitBlock() {
    char* text = block_.get();
    char* const end = text + blockSize_;
    *end = '\0';  // the spare byte: the last line's terminator when no CR ends it

    // A NUL at a line start ends the text, so only the part before the first NUL can hold
    // line starts; counting its CRs sizes the table once.
    const char* nul = static_cast<const char*>(std::memchr(text, '\0', blockSize_));
    const char* scanEnd = nul ? nul : end;
    std::size_t lineEnds = 0;
    for (const char* p = text; (p = static_cast<const char*>(std::memchr(p, '\r', scanEnd - p))); ++p)
        ++lineEnds;
    if (lines_.capacity() / 2 > lineEnds + 1) std::vector<char*>().swap(lines_);  // much too big
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

void LineList::DropLines() {
    for (char* line : lines_) FreeLine(line);
    lines_.clear();
}

void LineList::Clear() {
    DropLines();
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
