#pragma once
// Thrown by a load of a stroke file when its progress asked it to stop.

#include <exception>

class CLoadCancelled : public std::exception
{
public:
    const char* what() const noexcept override { return "the load was cancelled"; }
};
