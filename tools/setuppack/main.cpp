#include <iostream>

#include "command_line.h"
#include "platform.h"

int main(int argc, char** argv) {
    return setuppack::RunSetupPack(setuppack::Utf8Arguments(argc, argv), std::cout, std::cerr);
}
