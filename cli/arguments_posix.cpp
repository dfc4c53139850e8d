// The arguments on Linux: main() has them in UTF-8 already.

#include "cli/arguments.h"

namespace quarvel::cli {

Arguments::Arguments(int argc, char** argv) : pointers_(argv, argv + argc) {}

} // namespace quarvel::cli
