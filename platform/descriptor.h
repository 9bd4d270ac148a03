#pragma once
#include <unistd.h>

#include <utility>

// An open POSIX file descriptor, closed when its owner lets it go: every file
// the program opens by descriptor is closed this one way.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int value) : m_value(value) {}
    Descriptor(Descriptor&& other) noexcept : m_value(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~Descriptor() { reset(); }

    int get() const { return m_value; }
    bool is_open() const { return m_value >= 0; }
    // Closes the file held, if any, and holds value instead.
    void reset(int value = -1)
    {
        if (m_value >= 0)
            ::close(m_value);
        m_value = value;
    }
    // Hands the descriptor over to a caller that closes it another way (fdopen's stream).
    int release() { return std::exchange(m_value, -1); }

private:
    int m_value = -1;
};
