// Standard output on Windows, where the C library would write every line end as CR LF.

#include "cli/output.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

namespace quarvel::cli {

void writeBytesAsTheyAre() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void outliveAClosedReader() {} // a write to a closed pipe fails; no signal ends the program

} // namespace quarvel::cli
