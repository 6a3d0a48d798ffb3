#include "ui/Application.h"
#include "ui/Program.h"

int main(int argc, char* argv[]) {
    quorvel::TQuorvelApplication application(argc, argv);
    quorvel::TProgram program;
    return program.Run();
}
