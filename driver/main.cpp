#include "driver/kenrow.h"

int main(int argc, char** argv) {
    return kenrowMain(argc, argv);
}
