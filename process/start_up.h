#pragma once

// What each program sets up before it touches a file: a write past the file-size limit fails
// with EFBIG and is told as a failure, instead of the system ending the program with SIGXFSZ.
namespace quarvel {

void setUpProcess();

} // namespace quarvel
