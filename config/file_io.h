#pragma once

// The system calls that reading and safely replacing a player's file take, behind an interface
// (FileIo, and systemFileIo() for the real ones) so that tests can make any one of them fail.
// Each system has its own: POSIX calls on Linux, Win32 calls on Windows.
#ifdef _WIN32
#include "config/file_io_windows.h"
#else
#include "config/file_io_posix.h"
#endif
