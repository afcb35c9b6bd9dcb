#include "startup.h"

int main(int argc, char **argv)
{
    return parvelo::run_program(argc, argv);
}
