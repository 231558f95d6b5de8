#pragma once
#include <exception>

// A failure the program cannot go on from, told to the player by its text. It carries a
// constant text and nothing else, so throwing it needs no library strings.
class Failure : public std::exception {
public:
    explicit Failure(const char* what) : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};
