#include "app/driver.h"

int main(int argc, char** argv) { return tembrix::run(argc, argv); }
