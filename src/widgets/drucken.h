#pragma once
// Small window helpers shared by every window that prints or touches files.

// The wait cursor for the length of a file operation.
class Sanduhr final {
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};
