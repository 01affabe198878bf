#include "startup.h"

int main(int argc, char* argv[]) { return kwintor::RunKwintor(argc, argv); }
