#pragma once
// The real steps of writing a file on the platform being built for.
#ifdef _WIN32
#include "platform/windows/windows_file_steps.h"
using SystemFileSteps = WindowsFileSteps;
#else
#include "platform/posix/posix_file_steps.h"
using SystemFileSteps = PosixFileSteps;
#endif
