#include "ui/program.h"

int main(int argc, char** argv)
{
    return defib::ui::runProgram(argc, argv);
}
