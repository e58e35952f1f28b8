// The executable: everything else lives in the core library.
#include "app/app.h"

int main(int argc, char** argv) { return vorlaine_main(argc, argv); }
