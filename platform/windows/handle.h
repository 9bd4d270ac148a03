#pragma once
#include <windows.h>

#include <utility>

// An open Windows handle, closed when its owner lets it go.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE value) : m_value(value == INVALID_HANDLE_VALUE ? nullptr : value) {}
    Handle(Handle&& other) noexcept : m_value(std::exchange(other.m_value, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept
    {
        std::swap(m_value, other.m_value);
        return *this;
    }
    ~Handle()
    {
        if (m_value != nullptr)
            ::CloseHandle(m_value);
    }

    HANDLE get() const { return m_value; }
    bool is_open() const { return m_value != nullptr; }
    HANDLE release() { return std::exchange(m_value, nullptr); }

private:
    HANDLE m_value = nullptr;
};
