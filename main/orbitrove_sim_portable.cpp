#include "main/PortableServices.h"
#include "main/SimulatorMain.h"

int main(int argc, char** argv) { return simulatorMain(argc, argv, portableServices()); }
