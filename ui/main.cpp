#include "ui/application.h"

int main(int argc, char** argv) {
    return quarvel::ui::runQuarvel(argc, argv);
}
