#include "app/startup.h"

int main(int argc, char** argv)
{
    Program program;
    for (int i = 1; i < argc; ++i) program.arguments.emplace_back(argv[i]);
    return RunProgram(program);
}
